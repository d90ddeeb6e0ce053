// SPDX-License-Identifier: MIT
#pragma once

// The few things the program remembers between runs live in
// QSettings(kSettingsOrganization, kSettingsApplication), under these keys.
inline constexpr char kSettingsOrganization[] = "marvane";
inline constexpr char kSettingsApplication[] = "marvane";

inline constexpr char kWindowGeometryKey[] = "window/geometry";
inline constexpr char kProbabilityColumnKey[] = "results/probabilityColumn";
inline constexpr char kOddsColumnKey[] = "results/oddsColumn";
inline constexpr char kExportFolderKey[] = "export/lastFolder";

// The chart window's size and place.
inline constexpr char kChartGeometryKey[] = "chart/geometry";
