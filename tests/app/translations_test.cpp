// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <utility>

#include "app/translators.h"
#include "engine/vocabulary/hand_category.h"
#include "engine/vocabulary/suit_pattern.h"
#include "report/examples/example_hands.h"
#include "report/words/category_definitions.h"
#include "tests/app/dialog_fixture.h"

namespace marvane {

namespace {

// Leaves the other tests of this program in English, whatever a test did.
struct EnglishAfterwards {
    ~EnglishAfterwards() { installTranslators(QLocale::c()); }
};

struct LanguageCase {
    const char* locale;
    const char* computeOdds;
    const char* again;
    const char* close;
    const char* rangeMessage;  // the suits box holding 9
    const char* handName;      // Rainbow 3 of a Kind
    const char* totalTitle;
    const char* undo;  // Qt's own line-edit menu
};

// In this order, so each language has to replace the one before it.
const LanguageCase kLanguages[] = {
    {"de_DE", "Chancen &berechnen", "&Nochmal?", "&Schließen",
     "Bitte geben Sie eine ganze Zahl zwischen 4 und 8 ein.", "Drilling (bunt)", "Kumuliert",
     "&Rückgängig"},
    {"fr_FR", "Ca&lculer les chances", "&Encore\u00a0?", "&Fermer",
     "Veuillez saisir un entier compris entre 4 et 8.", "Brelan (arc-en-ciel)", "Cumul",
     "&Annuler"},
    {"C", "Compute &Odds", "&Again?", "&Close", "Please enter an integer between 4 and 8.",
     "Rainbow 3 of a Kind", "Total", "&Undo"},
};

QString buttonText(const DialogDriver& driver, int id) {
    return driver.get<QPushButton>(id)->text();
}

// At the window's smallest size no caption is cut, and none runs into the
// control to its right.
void expectCaptionsFit(const DialogDriver& driver) {
    for (const int id : {IdSuitsLabel, IdRanksLabel, IdEnumerate, IdComputeOdds,
                         IdPossibleHandsLabel, IdAgain, IdClose}) {
        const QWidget* control = driver.get(id);
        EXPECT_LE(control->sizeHint().width(), control->width()) << "control " << id;
    }
    for (const auto& [label, spin] :
         {std::pair{IdSuitsLabel, IdSuitsSpin}, std::pair{IdRanksLabel, IdRanksSpin}}) {
        EXPECT_LE(driver.get(label)->geometry().right(), driver.get(spin)->x())
            << "control " << label;
    }
}

}  // namespace

TEST(Translations, EachLocaleReplacesTheLastOne) {
    const EnglishAfterwards english;
    for (const LanguageCase& language : kLanguages) {
        SCOPED_TRACE(language.locale);
        installTranslators(QLocale(QString::fromLatin1(language.locale)));
        // Captions are set when the dialog is built.
        DialogDriver driver;
        expectCaptionsFit(driver);
        EXPECT_EQ(buttonText(driver, IdComputeOdds), QString::fromUtf8(language.computeOdds));
        EXPECT_EQ(buttonText(driver, IdAgain), QString::fromUtf8(language.again));
        EXPECT_EQ(buttonText(driver, IdClose), QString::fromUtf8(language.close));
        EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"),
                  QString::fromUtf8(language.undo));

        driver.type(IdSuitsBox, QStringLiteral("9"));
        driver.click(IdComputeOdds);
        EXPECT_EQ(driver.messages, QStringList{QString::fromUtf8(language.rangeMessage)});

        driver.compute(4, 13, false);
        EXPECT_TRUE(driver.column(0).contains(QString::fromUtf8(language.handName)))
            << driver.column(0).join(QStringLiteral(", ")).toStdString();
        EXPECT_EQ(driver.list()->horizontalHeaderItem(2)->text().trimmed(),
                  QString::fromUtf8(language.totalTitle));
        // Counts stay plain digits in every language.
        EXPECT_EQ(driver.get<QLabel>(IdPossibleHands)->text(), QStringLiteral("2598960"));
    }
}

// Every engine sentence the dialog shows has a German and a French text; one
// changed in the engine but not in the translations shows up here by name.
TEST(Translations, EveryEngineTextIsTranslated) {
    std::vector<std::string_view> texts = {
        marvane::kTotalTerm.definition, marvane::kFloatingPathTerm.definition,
        marvane::kCardNotation, marvane::kJokerTerm.name, marvane::kJokerTerm.definition};
    // Five cards with and without jokers, and a hand of three or four cards.
    for (const auto& [jokers, cards] : {std::pair{0u, 5u}, {1u, 5u}, {0u, 3u}, {1u, 4u}}) {
        for (const marvane::Term& term : marvane::suitPatternTerms(jokers, cards)) {
            texts.push_back(term.definition);
        }
        for (std::size_t i = 0; i < marvane::kCategoryCount; ++i) {
            texts.push_back(
                marvane::categoryDefinition(*marvane::categoryFromIndex(i), jokers, cards));
        }
    }
    for (const marvane::Term& term : marvane::kHandSizeTerms) {
        texts.push_back(term.name);
        texts.push_back(term.definition);
    }
    for (std::size_t i = 0; i < marvane::kCategoryCount; ++i) {
        const marvane::HandCategory category = *marvane::categoryFromIndex(i);
        texts.push_back(marvane::displayName(category));
    }
    std::vector<std::string> reasons;
    for (const marvane::Deck deck : {marvane::Deck{4, 13}, marvane::Deck{3, 13}}) {
        for (const marvane::HandCategory category :
             {marvane::HandCategory::FiveOfAKind, marvane::HandCategory::Rainbow1Pair}) {
            reasons.push_back(marvane::exampleHand(category, deck).reason);
        }
    }
    // Why a hand of three or four cards has no example of a category.
    for (const std::uint32_t cards : {3u, 4u}) {
        for (std::size_t i = 0; i < marvane::kCategoryCount; ++i) {
            const marvane::CategoryExample example =
                marvane::smallHandExample(*marvane::categoryFromIndex(i), {4, 13}, cards);
            if (!example.occurs()) {
                reasons.push_back(example.reason);
            }
        }
    }
    texts.insert(texts.end(), reasons.begin(), reasons.end());

    for (const char* language : {"de", "fr"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/marvane_%1.qm").arg(language)));
        for (const std::string_view text : texts) {
            const std::string key(text);
            EXPECT_FALSE(translator.translate("EngineTexts", key.c_str()).isEmpty())
                << language << ": " << key;
        }
        for (const marvane::SuitPattern pattern :
             {marvane::SuitPattern::Flush, marvane::SuitPattern::Rainbow,
              marvane::SuitPattern::Hypochromatic}) {
            const std::string key(marvane::suitPatternName(pattern));
            EXPECT_FALSE(translator.translate("EngineTexts", key.c_str(), "suit pattern").isEmpty())
                << language << ": " << key;
        }
    }
}

}  // namespace marvane
