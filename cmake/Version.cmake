# SPDX-License-Identifier: MIT
# The version number lives only in project(... VERSION); the programs read it
# from a generated header through this interface library.
configure_file(${CMAKE_CURRENT_LIST_DIR}/marvane_version.h.in
               ${PROJECT_BINARY_DIR}/generated/marvane_version.h @ONLY)
add_library(marvane_version INTERFACE)
target_include_directories(marvane_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
