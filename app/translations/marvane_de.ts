<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AcrossDecksChart</name>
    <message>
        <source>%1 ranks</source>
        <translation>%1 Werten</translation>
    </message>
    <message>
        <source>%1 suits</source>
        <translation>%1 Farben</translation>
    </message>
    <message>
        <source>%1 to %2 suits at %3</source>
        <translation>%1 bis %2 Farben bei %3</translation>
    </message>
    <message>
        <source>%1 to %2 ranks at %3</source>
        <translation>%1 bis %2 Werte bei %3</translation>
    </message>
    <message>
        <source>No two categories change places across these decks.
</source>
        <translation>Keine zwei Kategorien tauschen in diesen Decks die Plätze.
</translation>
    </message>
    <message>
        <source>This deck (%1 x %2)</source>
        <translation>Dieses Deck (%1 x %2)</translation>
    </message>
    <message>
        <source>Suits (at %1 ranks)</source>
        <translation>Farben (bei %1 Werten)</translation>
    </message>
    <message>
        <source>Ranks (at %1 suits)</source>
        <translation>Werte (bei %1 Farben)</translation>
    </message>
    <message>
        <source>Probability (logarithmic)</source>
        <translation>Wahrscheinlichkeit (logarithmisch)</translation>
    </message>
    <message>
        <source>%1 to %2 jokers at %3 x %4</source>
        <translation>%1 bis %2 Joker bei %3 x %4</translation>
    </message>
    <message>
        <source>No two categories change places as jokers are added.
</source>
        <translation>Keine zwei Kategorien tauschen die Plätze, wenn Joker hinzukommen.
</translation>
    </message>
    <message>
        <source>Jokers (at %1 x %2)</source>
        <translation>Joker (bei %1 x %2)</translation>
    </message>
    <message>
        <source>This deck (%1)</source>
        <translation>Dieses Deck (%1)</translation>
    </message>
    <message>
        <source>%1 to %2 cards per hand at %3 x %4</source>
        <translation>%1 bis %2 Karten pro Hand bei %3 x %4</translation>
    </message>
    <message>
        <source>%1 to %2 cards per hand at %3 x %4 and %5</source>
        <translation>%1 bis %2 Karten pro Hand bei %3 x %4 und %5</translation>
    </message>
    <message>
        <source>No two categories change places from one hand size to the next.
</source>
        <translation>Keine zwei Kategorien tauschen von einer Handgröße zur nächsten die Plätze.
</translation>
    </message>
    <message>
        <source>Cards per hand (at %1 x %2)</source>
        <translation>Karten pro Hand (bei %1 x %2)</translation>
    </message>
    <message>
        <source>This hand (%1 cards)</source>
        <translation>Diese Hand (%1 Karten)</translation>
    </message>
</context>
<context>
    <name>CHandCalcDialog</name>
    <message>
        <source>Number of Suits</source>
        <translation>Anzahl Farben</translation>
    </message>
    <message>
        <source>Number of Suits spin buttons</source>
        <translation>Auf-/Ab-Schaltflächen für Anzahl Farben</translation>
    </message>
    <message>
        <source>Number of Ranks</source>
        <translation>Anzahl Werte</translation>
    </message>
    <message>
        <source>Number of Ranks spin buttons</source>
        <translation>Auf-/Ab-Schaltflächen für Anzahl Werte</translation>
    </message>
    <message>
        <source>Number of &amp;Suits</source>
        <translation>Anzahl &amp;Farben</translation>
    </message>
    <message>
        <source>Number of &amp;Ranks</source>
        <translation>Anzahl &amp;Werte</translation>
    </message>
    <message>
        <source>&amp;Enumerate?</source>
        <translation>&amp;Aufzählen?</translation>
    </message>
    <message>
        <source>Enumerate?</source>
        <translation>Aufzählen?</translation>
    </message>
    <message>
        <source>Compute &amp;Odds</source>
        <translation>Chancen &amp;berechnen</translation>
    </message>
    <message>
        <source>Compute Odds</source>
        <translation>Chancen berechnen</translation>
    </message>
    <message>
        <source>Number of possible hands</source>
        <translation>Anzahl möglicher Hände</translation>
    </message>
    <message>
        <source>Possible Hands</source>
        <translation>Mögliche Hände</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Again?</source>
        <translation>&amp;Nochmal?</translation>
    </message>
    <message>
        <source>Again?</source>
        <translation>Nochmal?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The number of possible hands was worked out in floating point.</source>
        <translation>Die Anzahl möglicher Hände wurde mit Gleitkommazahlen berechnet.</translation>
    </message>
    <message>
        <source>Enumeration progress</source>
        <translation>Fortschritt der Aufzählung</translation>
    </message>
    <message>
        <source>Time the last computation took</source>
        <translation>Dauer der letzten Berechnung</translation>
    </message>
    <message>
        <source>Cards per Hand</source>
        <translation>Karten pro Hand</translation>
    </message>
    <message>
        <source>Cards per Hand spin buttons</source>
        <translation>Drehknöpfe für Karten pro Hand</translation>
    </message>
    <message>
        <source>Car&amp;ds per Hand</source>
        <translation>&amp;Karten pro Hand</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Jokers spin buttons</source>
        <translation>Drehknöpfe für Joker</translation>
    </message>
    <message>
        <source>&amp;Jokers</source>
        <translation>&amp;Joker</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Please choose a file name ending in .png or .svg.</source>
        <translation>Bitte wählen Sie einen Dateinamen, der auf .png oder .svg endet.</translation>
    </message>
    <message>
        <source>The SVG picture could not be started.</source>
        <translation>Das SVG-Bild konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Crossings</name>
    <message>
        <source>from %1 to %2 suits, %3 becomes rarer than %4</source>
        <translation>von %1 auf %2 Farben wird %3 seltener als %4</translation>
    </message>
    <message>
        <source>from %1 to %2 ranks, %3 becomes rarer than %4</source>
        <translation>von %1 auf %2 Werte wird %3 seltener als %4</translation>
    </message>
    <message>
        <source>from %1 to %2 joker, %3 becomes rarer than %4</source>
        <translation>von %1 auf %2 Joker wird %3 seltener als %4</translation>
    </message>
    <message>
        <source>from %1 to %2 jokers, %3 becomes rarer than %4</source>
        <translation>von %1 auf %2 Joker wird %3 seltener als %4</translation>
    </message>
    <message>
        <source>%1 (equal at %2)</source>
        <translation>%1 (gleich bei %2)</translation>
    </message>
    <message>
        <source>%1 (equal at %2 to %3)</source>
        <translation>%1 (gleich bei %2 bis %3)</translation>
    </message>
    <message>
        <source>from %1 to %2 cards, %3 becomes rarer than %4</source>
        <translation>von %1 auf %2 Karten wird %3 seltener als %4</translation>
    </message>
</context>
<context>
    <name>DeckChart</name>
    <message>
        <source>%1 suits x %2 ranks, %3 hands</source>
        <translation>%1 Farben x %2 Werte, %3 Hände</translation>
    </message>
    <message>
        <source>%1: %2 of %3 hands, probability %4</source>
        <translation>%1: %2 von %3 Händen, Wahrscheinlichkeit %4</translation>
    </message>
    <message>
        <source>never: %1</source>
        <translation>nie: %1</translation>
    </message>
    <message>
        <source>Hand and odds, in the list&apos;s order</source>
        <translation>Hand und Häufigkeit, in der Reihenfolge der Liste</translation>
    </message>
    <message>
        <source>Probability (logarithmic)</source>
        <translation>Wahrscheinlichkeit (logarithmisch)</translation>
    </message>
    <message>
        <source>%1 suits x %2 ranks, %3 hands of %4 cards</source>
        <translation>%1 Farben x %2 Werte, %3 Hände zu %4 Karten</translation>
    </message>
    <message>
        <source>%1 suits x %2 ranks and %3, %4 hands of %5 cards</source>
        <translation>%1 Farben x %2 Werte und %3, %4 Hände zu %5 Karten</translation>
    </message>
</context>
<context>
    <name>Durations</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Five of a Kind</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Rainbow 4 of a Kind</source>
        <translation>Vierling (bunt)</translation>
    </message>
    <message>
        <source>Hypochromatic 4 of a Kind</source>
        <translation>Vierling (gemischt)</translation>
    </message>
    <message>
        <source>Rainbow Full House</source>
        <translation>Full House (bunt)</translation>
    </message>
    <message>
        <source>Hypochromatic Full House</source>
        <translation>Full House (gemischt)</translation>
    </message>
    <message>
        <source>Rainbow 3 of a Kind</source>
        <translation>Drilling (bunt)</translation>
    </message>
    <message>
        <source>Hypochromatic 3 of a Kind</source>
        <translation>Drilling (gemischt)</translation>
    </message>
    <message>
        <source>Rainbow 2 Pair</source>
        <translation>Zwei Paare (bunt)</translation>
    </message>
    <message>
        <source>Hypochromatic 2 Pair</source>
        <translation>Zwei Paare (gemischt)</translation>
    </message>
    <message>
        <source>Rainbow 1 Pair</source>
        <translation>Ein Paar (bunt)</translation>
    </message>
    <message>
        <source>Hypochromatic 1 Pair</source>
        <translation>Ein Paar (gemischt)</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Rainbow Straight</source>
        <translation>Straße (bunt)</translation>
    </message>
    <message>
        <source>Hypochromatic Straight</source>
        <translation>Straße (gemischt)</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Höchste Karte (bunt)</translation>
    </message>
    <message>
        <source>Garbage</source>
        <translation>Höchste Karte (gemischt)</translation>
    </message>
    <message>
        <source>five cards of one rank, which always have five different suits.</source>
        <translation>fünf Karten desselben Werts, die stets fünf verschiedene Farben haben.</translation>
    </message>
    <message>
        <source>four cards of one rank and a fifth card, all five cards of different suits.</source>
        <translation>vier Karten desselben Werts und eine fünfte Karte, alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>four cards of one rank and a fifth card that shares a suit with one of them.</source>
        <translation>vier Karten desselben Werts und eine fünfte Karte, die ihre Farbe mit einer von ihnen teilt.</translation>
    </message>
    <message>
        <source>three cards of one rank and two of another, all five cards of different suits.</source>
        <translation>drei Karten desselben Werts und zwei eines anderen, alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>three cards of one rank and two of another, with at least two cards of one suit.</source>
        <translation>drei Karten desselben Werts und zwei eines anderen, mindestens zwei Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>three cards of one rank and two cards of two other ranks, all five cards of different suits.</source>
        <translation>drei Karten desselben Werts und zwei Karten zweier anderer Werte, alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>three cards of one rank and two cards of two other ranks, with at least two cards of one suit.</source>
        <translation>drei Karten desselben Werts und zwei Karten zweier anderer Werte, mindestens zwei Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>two pairs and a fifth card, all five cards of different suits.</source>
        <translation>zwei Paare und eine fünfte Karte, alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>two pairs and a fifth card, with at least two cards of one suit.</source>
        <translation>zwei Paare und eine fünfte Karte, mindestens zwei Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>one pair and three cards of three other ranks, all five cards of different suits.</source>
        <translation>ein Paar und drei Karten dreier anderer Werte, alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>one pair and three cards of three other ranks, with at least two cards of one suit.</source>
        <translation>ein Paar und drei Karten dreier anderer Werte, mindestens zwei Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>five ranks in a row (or 1 with the four highest ranks), all five cards of one suit.</source>
        <translation>fünf aufeinanderfolgende Werte (oder die 1 mit den vier höchsten Werten), alle fünf Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>five cards of one suit whose ranks are not in a row.</source>
        <translation>fünf Karten derselben Farbe, deren Werte nicht aufeinanderfolgen.</translation>
    </message>
    <message>
        <source>five ranks in a row (or 1 with the four highest ranks), all five cards of different suits.</source>
        <translation>fünf aufeinanderfolgende Werte (oder die 1 mit den vier höchsten Werten), alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>five ranks in a row (or 1 with the four highest ranks), neither all of one suit nor all of different suits.</source>
        <translation>fünf aufeinanderfolgende Werte (oder die 1 mit den vier höchsten Werten), weder alle in derselben Farbe noch alle in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>five different ranks not in a row, all five cards of different suits.</source>
        <translation>fünf verschiedene, nicht aufeinanderfolgende Werte, alle fünf Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>five different ranks not in a row, neither all of one suit nor all of different suits.</source>
        <translation>fünf verschiedene, nicht aufeinanderfolgende Werte, weder alle in derselben Farbe noch alle in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>this category&apos;s count plus the counts of every category that dominates it; that is, the number of hands at least this good.</source>
        <translation>die Anzahl dieser Kategorie plus die Anzahlen aller Kategorien, die sie schlagen, also die Zahl der Hände, die mindestens so gut sind.</translation>
    </message>
    <message>
        <source>Cards are written rank then suit letter, ranks 1 to R and suits a to h; 7a is the 7 of the first suit.</source>
        <translation>Karten werden als Wert und Farbbuchstabe geschrieben, Werte 1 bis R und Farben a bis h; 7a ist die 7 der ersten Farbe.</translation>
    </message>
    <message>
        <source>needs at least 5 suits, since a rank has one card in each suit</source>
        <translation>braucht mindestens 5 Farben, da ein Wert in jeder Farbe nur eine Karte hat</translation>
    </message>
    <message>
        <source>needs at least 5 suits, one for each card</source>
        <translation>braucht mindestens 5 Farben, eine für jede Karte</translation>
    </message>
    <message>
        <source>the deck must have 4 to 8 suits and 7 to 20 ranks</source>
        <translation>das Deck muss 4 bis 8 Farben und 7 bis 20 Werte haben</translation>
    </message>
    <message>
        <source>no example hand was found</source>
        <translation>keine Beispielhand gefunden</translation>
    </message>
    <message>
        <source>not a hand category</source>
        <translation>keine Kategorie von Händen</translation>
    </message>
    <message>
        <source>Flush</source>
        <comment>suit pattern</comment>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>suit pattern</comment>
        <translation>Bunt</translation>
    </message>
    <message>
        <source>Hypochromatic</source>
        <comment>suit pattern</comment>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>all five cards of one suit.</source>
        <translation>alle fünf Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>all five cards of different suits; only a deck of at least 5 suits has them.</source>
        <translation>alle fünf Karten in verschiedenen Farben; nur ein Deck mit mindestens 5 Farben hat solche Hände.</translation>
    </message>
    <message>
        <source>neither flush nor rainbow, so some cards share a suit but not all five.</source>
        <translation>weder Flush noch bunt, also teilen sich einige Karten eine Farbe, aber nicht alle fünf.</translation>
    </message>
    <message>
        <source>the number of possible hands was worked out in floating point.</source>
        <translation>die Zahl der möglichen Hände wurde mit Gleitkommazahlen berechnet.</translation>
    </message>
    <message>
        <source>Best five</source>
        <translation>Beste fünf</translation>
    </message>
    <message>
        <source>Self-consistent</source>
        <translation>Widerspruchsfrei</translation>
    </message>
    <message>
        <source>Choosing a ranking</source>
        <translation>Eine Rangfolge wählen</translation>
    </message>
    <message>
        <source>a hand of six to eight cards counts in the best category among its five-card hands; best means rarer among this deck&apos;s five-card hands, or earlier in a chosen order.</source>
        <translation>eine Hand aus sechs bis acht Karten zählt in der besten Kategorie ihrer Fünf-Karten-Hände; beste heißt seltener unter den Fünf-Karten-Händen dieses Decks oder früher in einer gewählten Reihenfolge.</translation>
    </message>
    <message>
        <source>a ranking under which no category has fewer hands of that many cards than one ranked above it; with six to eight cards most rankings are not.</source>
        <translation>eine Rangfolge, bei der keine Kategorie weniger Hände dieser Kartenzahl hat als eine darüber; bei sechs bis acht Karten sind es die meisten Rangfolgen nicht.</translation>
    </message>
    <message>
        <source>View &gt; Ranking in the dialog, or --order on the command line, counts under another order: one the search for a self-consistent order passes through, a self-consistent one when it exists, or your own; a row commoner than a category ranked below it is marked, and --check-order lists such pairs.</source>
        <translation>Ansicht &gt; Rangfolge im Dialog oder --order auf der Befehlszeile zählt nach einer anderen Reihenfolge: einer, die die Suche nach einer widerspruchsfreien Reihenfolge durchläuft, einer widerspruchsfreien, wenn es sie gibt, oder Ihrer eigenen; eine Zeile, die häufiger ist als eine Kategorie unter ihr, ist markiert, und --check-order listet solche Paare.</translation>
    </message>
    <message>
        <source>five cards of one rank; a joker may repeat a card, so their suits need not differ, and a deck of four suits has them too.</source>
        <translation>fünf Karten desselben Werts; ein Joker kann eine Karte wiederholen, daher müssen ihre Farben nicht verschieden sein, und auch ein Deck mit vier Farben hat sie.</translation>
    </message>
    <message>
        <source>four cards of one rank and a fifth card, with at least two cards of one suit; a joker may repeat a card, so two of the four may share a suit.</source>
        <translation>vier Karten desselben Werts und eine fünfte Karte, mindestens zwei Karten in derselben Farbe; ein Joker kann eine Karte wiederholen, daher können zwei der vier dieselbe Farbe haben.</translation>
    </message>
    <message>
        <source>all five cards of one suit and of five different ranks; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>alle fünf Karten in derselben Farbe und von fünf verschiedenen Werten; ein Joker, der eine Karte wiederholt, ergibt ein Paar, nie einen Flush.</translation>
    </message>
    <message>
        <source>neither flush nor rainbow, so some cards share a suit; with a joker that repeats a card, a hand with a repeated rank may have all five cards in one suit.</source>
        <translation>weder Flush noch bunt, also teilen sich einige Karten eine Farbe; mit einem Joker, der eine Karte wiederholt, kann eine Hand mit einem wiederholten Wert alle fünf Karten in derselben Farbe haben.</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>a wild card that stands for any card, any rank in any suit, also one the hand already holds, written Jk in example hands; a hand counts in the best category it can make, and a category only jokers make (Five of a Kind in four suits) ranks first in the deck&apos;s own order.</source>
        <translation>eine Karte, die für jede Karte stehen kann, jeden Wert in jeder Farbe, auch für eine, die die Hand schon hält, in Beispielhänden Jk geschrieben; eine Hand zählt in der besten Kategorie, die sie bilden kann, und eine Kategorie, die nur Joker bilden (Fünfling bei vier Farben), steht in der eigenen Reihenfolge des Decks an erster Stelle.</translation>
    </message>
    <message>
        <source>five cards of one suit and of five different ranks not in a row; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>fünf Karten derselben Farbe und von fünf verschiedenen Werten, die nicht aufeinanderfolgen; ein Joker, der eine Karte wiederholt, ergibt ein Paar, nie einen Flush.</translation>
    </message>
    <message>
        <source>As itself</source>
        <translation>Für sich</translation>
    </message>
    <message>
        <source>a hand of three or four cards is classed as itself: its rank pattern crossed with the suits of all its cards; the deck&apos;s own order ranks the rarer of such hands first.</source>
        <translation>eine Hand aus drei oder vier Karten wird für sich eingeordnet: ihr Wertemuster, kombiniert mit den Farben all ihrer Karten; die eigene Reihenfolge des Decks stellt die selteneren solcher Hände voran.</translation>
    </message>
    <message>
        <source>a hand of three or four cards never falls here.</source>
        <translation>eine Hand aus drei oder vier Karten fällt nie hierher.</translation>
    </message>
    <message>
        <source>a hand of three cards never falls here.</source>
        <translation>eine Hand aus drei Karten fällt nie hierher.</translation>
    </message>
    <message>
        <source>four cards of one rank, all of different suits.</source>
        <translation>vier Karten desselben Werts, alle in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>four cards of one rank with two of one suit, which only a joker that repeats a card makes.</source>
        <translation>vier Karten desselben Werts, zwei davon in derselben Farbe, was nur ein Joker bildet, der eine Karte wiederholt.</translation>
    </message>
    <message>
        <source>three cards of one rank (and, in a hand of four, a card of another rank), all the hand&apos;s cards of different suits.</source>
        <translation>drei Karten desselben Werts (und in einer Hand aus vier Karten eine Karte eines anderen Werts), alle Karten der Hand in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>three cards of one rank (and, in a hand of four, a card of another rank), with at least two cards of one suit; in a hand of three only a joker that repeats a card makes one.</source>
        <translation>drei Karten desselben Werts (und in einer Hand aus vier Karten eine Karte eines anderen Werts), mindestens zwei Karten in derselben Farbe; in einer Hand aus drei Karten bildet ihn nur ein Joker, der eine Karte wiederholt.</translation>
    </message>
    <message>
        <source>two pairs in a hand of four cards, all four of different suits.</source>
        <translation>zwei Paare in einer Hand aus vier Karten, alle vier in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>two pairs in a hand of four cards, with at least two cards of one suit.</source>
        <translation>zwei Paare in einer Hand aus vier Karten, mindestens zwei Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>one pair and the hand&apos;s other cards of other ranks, all the hand&apos;s cards of different suits.</source>
        <translation>ein Paar und die übrigen Karten der Hand von anderen Werten, alle Karten der Hand in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>one pair and the hand&apos;s other cards of other ranks, with at least two cards of one suit.</source>
        <translation>ein Paar und die übrigen Karten der Hand von anderen Werten, mindestens zwei Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks in a row (or 1 with the highest ranks), all its cards of one suit.</source>
        <translation>alle Werte der Hand aufeinanderfolgend (oder die 1 mit den höchsten Werten), alle ihre Karten in derselben Farbe.</translation>
    </message>
    <message>
        <source>all the hand&apos;s cards of one suit, their ranks different and not in a row; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>alle Karten der Hand in derselben Farbe, ihre Werte verschieden und nicht aufeinanderfolgend; ein Joker, der eine Karte wiederholt, ergibt ein Paar, nie einen Flush.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks in a row (or 1 with the highest ranks), all its cards of different suits.</source>
        <translation>alle Werte der Hand aufeinanderfolgend (oder die 1 mit den höchsten Werten), alle ihre Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks in a row (or 1 with the highest ranks), neither all of one suit nor all of different suits.</source>
        <translation>alle Werte der Hand aufeinanderfolgend (oder die 1 mit den höchsten Werten), weder alle in derselben Farbe noch alle in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks different and not in a row, all its cards of different suits.</source>
        <translation>alle Werte der Hand verschieden und nicht aufeinanderfolgend, alle ihre Karten in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks different and not in a row, neither all of one suit nor all of different suits.</source>
        <translation>alle Werte der Hand verschieden und nicht aufeinanderfolgend, weder alle in derselben Farbe noch alle in verschiedenen Farben.</translation>
    </message>
    <message>
        <source>all the hand&apos;s cards of one suit and of different ranks; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>alle Karten der Hand in derselben Farbe und von verschiedenen Werten; ein Joker, der eine Karte wiederholt, ergibt ein Paar, nie einen Flush.</translation>
    </message>
    <message>
        <source>all the hand&apos;s cards of different suits, which four suits allow.</source>
        <translation>alle Karten der Hand in verschiedenen Farben, was vier Farben erlauben.</translation>
    </message>
    <message>
        <source>neither flush nor rainbow, so some cards share a suit but not all.</source>
        <translation>weder Flush noch bunt, also teilen sich einige Karten eine Farbe, aber nicht alle.</translation>
    </message>
    <message>
        <source>a hand of three or four cards never has it</source>
        <translation>eine Hand aus drei oder vier Karten hat sie nie</translation>
    </message>
    <message>
        <source>a hand of three cards never has it</source>
        <translation>eine Hand aus drei Karten hat sie nie</translation>
    </message>
    <message>
        <source>only a joker that repeats a card makes it</source>
        <translation>nur ein Joker, der eine Karte wiederholt, bildet sie</translation>
    </message>
</context>
<context>
    <name>Jokers</name>
    <message>
        <source>1 joker</source>
        <translation>1 Joker</translation>
    </message>
    <message>
        <source>%1 jokers</source>
        <translation>%1 Joker</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Results As...</source>
        <translation>Ergebnisse &amp;speichern unter …</translation>
    </message>
    <message>
        <source>Save C&amp;hart As...</source>
        <translation>&amp;Diagramm speichern unter …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Probability</source>
        <translation>&amp;Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>&amp;Odds</source>
        <translation>&amp;Häufigkeit</translation>
    </message>
    <message>
        <source>C&amp;hart...</source>
        <translation>&amp;Diagramm …</translation>
    </message>
    <message>
        <source>Marvane &amp;Help</source>
        <translation>Marvane-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Marvane...</source>
        <translation>Ü&amp;ber Marvane …</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>OddsColumns</name>
    <message>
        <source>never</source>
        <comment>odds of a category without hands</comment>
        <translation>nie</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <comment>odds: one hand in this many</comment>
        <translation>1 von %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Save Chart As</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Ergebnisse speichern unter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
</context>
<context>
    <name>ResultHeadings</name>
    <message>
        <source>Hand</source>
        <comment>results column: the category of hand</comment>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Enumerated</source>
        <comment>results column: hands counted one by one</comment>
        <translation>Aufgezählt</translation>
    </message>
    <message>
        <source>Computed</source>
        <comment>results column: hands counted by formula</comment>
        <translation>Berechnet</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>results column: cumulative count</comment>
        <translation>Kumuliert</translation>
    </message>
    <message>
        <source>Probability</source>
        <comment>results column</comment>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Odds</source>
        <comment>results column: one hand in how many</comment>
        <translation>Häufigkeit</translation>
    </message>
</context>
<context>
    <name>ResultsExplanations</name>
    <message>
        <source>Example: %1</source>
        <translation>Beispiel: %1</translation>
    </message>
    <message>
        <source>Cannot occur with %1 suits: %2.</source>
        <translation>Bei %1 Farben nicht möglich: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a category name and its definition</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The category of hand. Point at a name for its definition and an example hand from this deck. </source>
        <translation>Die Kategorie der Hand. Zeigen Sie auf einen Namen, um seine Definition und eine Beispielhand aus diesem Deck zu sehen. </translation>
    </message>
    <message>
        <source>Hands of this category, counted by visiting and classifying every hand of the deck.</source>
        <translation>Hände dieser Kategorie, gezählt durch Aufzählen und Einordnen jeder Hand des Decks.</translation>
    </message>
    <message>
        <source>Hands of this category, counted by formula without visiting a hand.</source>
        <translation>Hände dieser Kategorie, per Formel berechnet, ohne eine Hand aufzuzählen.</translation>
    </message>
    <message>
        <source>Summed from Enumerated when the hands were enumerated, else from Computed.</source>
        <translation>Summiert aus „Aufgezählt“, wenn die Hände aufgezählt wurden, sonst aus „Berechnet“.</translation>
    </message>
    <message>
        <source>The chance that a hand dealt from this deck falls in this category: its count divided by the number of possible hands.</source>
        <translation>Die Wahrscheinlichkeit, dass eine aus diesem Deck gegebene Hand in diese Kategorie fällt: ihre Anzahl geteilt durch die Zahl der möglichen Hände.</translation>
    </message>
    <message>
        <source>On average one hand of this category in this many hands.</source>
        <translation>Im Mittel eine Hand dieser Kategorie auf so viele Hände.</translation>
    </message>
    <message>
        <source>No hand of %1 cards of this deck has it as its best five.</source>
        <translation>Keine Hand aus %1 Karten dieses Decks hat dies als beste fünf.</translation>
    </message>
    <message>
        <source>the best five of %1 cards, best meaning rarer among this deck&apos;s five-card hands, are %2</source>
        <translation>die besten fünf von %1 Karten (beste heißt: seltener unter den Fünf-Karten-Händen dieses Decks) sind %2</translation>
    </message>
    <message>
        <source>the best five of %1 cards, best meaning earlier in the chosen order, are %2</source>
        <translation>die besten fünf von %1 Karten (beste heißt: früher in der gewählten Reihenfolge) sind %2</translation>
    </message>
    <message>
        <source>%1 is rarer than %2, but ranks below it: %3 against %4 hands</source>
        <translation>%1 ist seltener als %2, steht aber darunter: %3 gegen %4 Hände</translation>
    </message>
    <message>
        <source>With more or fewer than five cards the Totals add the same categories as with five, whatever the ranking.</source>
        <translation>Bei mehr oder weniger als fünf Karten addieren die Summen dieselben Kategorien wie bei fünf, welche Rangfolge auch gilt.</translation>
    </message>
    <message>
        <source>No example hand of %1 cards was found.</source>
        <translation>Keine Beispielhand aus %1 Karten gefunden.</translation>
    </message>
    <message>
        <source>No hand of %1 cards of this deck has it.</source>
        <translation>Keine Hand aus %1 Karten dieses Decks fällt hierher.</translation>
    </message>
    <message>
        <source>Cannot occur: %1.</source>
        <translation>Nicht möglich: %1.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: one fewer</source>
        <translation>%1: eins weniger</translation>
    </message>
    <message>
        <source>%1: one more</source>
        <translation>%1: eins mehr</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>An order changes no count here: without jokers every hand of %1 cards has one category.</source>
        <translation>Eine Reihenfolge ändert hier keine Anzahl: Ohne Joker hat jede Hand aus %1 Karten genau eine Kategorie.</translation>
    </message>
    <message>
        <source>Best first: a hand with jokers counts as the first of these it can make.</source>
        <translation>Die beste zuerst: Eine Hand mit Jokern zählt als die erste davon, die sie bilden kann.</translation>
    </message>
    <message>
        <source>Cards per hand, %1 to %2</source>
        <translation>Karten pro Hand, %1 bis %2</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Check this order</source>
        <translation>Diese Reihenfolge prüfen</translation>
    </message>
    <message>
        <source>Count under the self-consistent order</source>
        <translation>Nach der widerspruchsfreien Reihenfolge zählen</translation>
    </message>
    <message>
        <source>Count under this order</source>
        <translation>Nach dieser Reihenfolge zählen</translation>
    </message>
    <message>
        <source>Counted under your own order: see Ranking.</source>
        <translation>Nach Ihrer eigenen Reihenfolge gezählt: siehe Rangfolge.</translation>
    </message>
    <message>
        <source>Every hand of %1 cards has one category here: an order changes no count. The search and the check still say how the deck&apos;s categories rank.</source>
        <translation>Jede Hand aus %1 Karten hat hier genau eine Kategorie: Eine Reihenfolge ändert keine Anzahl. Suche und Prüfung zeigen trotzdem, wie sich die Kategorien des Blatts ordnen.</translation>
    </message>
    <message>
        <source>Find a self-consistent order</source>
        <translation>Eine widerspruchsfreie Reihenfolge suchen</translation>
    </message>
    <message>
        <source>Finding an example hand…</source>
        <translation>Beispielhand wird gesucht …</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Jokers, %1 to %2</source>
        <translation>Joker, %1 bis %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Licences of everything in this page</source>
        <translation>Lizenzen von allem auf dieser Seite</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No two categories change places.</source>
        <translation>Keine zwei Kategorien wechseln den Platz.</translation>
    </message>
    <message>
        <source>Poker hand counts of generalised decks, computed on your own machine: the same engine as the desktop program, compiled to WebAssembly. Nothing you enter leaves this page.</source>
        <translation>Pokerhände verallgemeinerter Blätter, auf Ihrem eigenen Rechner gezählt: derselbe Kern wie im Desktop-Programm, nach WebAssembly übersetzt. Nichts, was Sie eingeben, verlässt diese Seite.</translation>
    </message>
    <message>
        <source>Ranks, %1 to %2</source>
        <translation>Werte, %1 bis %2</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Save as JSON</source>
        <translation>Als JSON speichern</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Suits, %1 to %2</source>
        <translation>Farben, %1 bis %2</translation>
    </message>
    <message>
        <source>Supported browsers: current Chromium (Chrome, Edge), Firefox and Safari; tested in Chromium.</source>
        <translation>Unterstützte Browser: aktuelles Chromium (Chrome, Edge), Firefox und Safari; getestet in Chromium.</translation>
    </message>
    <message>
        <source>The deck&apos;s own order</source>
        <translation>Die eigene Reihenfolge des Blatts</translation>
    </message>
    <message>
        <source>The enumeration was cancelled: the counts shown are computed.</source>
        <translation>Die Aufzählung wurde abgebrochen: Die angezeigten Anzahlen sind berechnet.</translation>
    </message>
    <message>
        <source>The same bytes as:</source>
        <translation>Dieselben Bytes wie:</translation>
    </message>
    <message>
        <source>These pairs break the order:</source>
        <translation>Diese Paare verletzen die Reihenfolge:</translation>
    </message>
    <message>
        <source>This order is self-consistent: no category is rarer than one ranked above it.</source>
        <translation>Diese Reihenfolge ist widerspruchsfrei: Keine Kategorie ist seltener als eine höher eingestufte.</translation>
    </message>
    <message>
        <source>What the results say</source>
        <translation>Was die Ergebnisse aussagen</translation>
    </message>
    <message>
        <source>Where categories change places as this grows:</source>
        <translation>Wo Kategorien den Platz wechseln, wenn dies wächst:</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Begriffe</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Your own order, best first, commas between:</source>
        <translation>Ihre eigene Reihenfolge, die beste zuerst, durch Kommas getrennt:</translation>
    </message>
    <message>
        <source>across</source>
        <translation>über</translation>
    </message>
</context>
<context>
    <name>marvane::AboutDialog</name>
    <message>
        <source>About Marvane</source>
        <translation>Über Marvane</translation>
    </message>
    <message>
        <source>Marvane icon</source>
        <translation>Marvane-Symbol</translation>
    </message>
    <message>
        <source>Marvane Version %1</source>
        <translation>Marvane Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>marvane::CHandCalcDialog</name>
    <message>
        <source>Could not save the results to %1:
%2</source>
        <translation>Die Ergebnisse konnten nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Elapsed Time: %1 s</source>
        <translation>Rechenzeit: %1 s</translation>
    </message>
    <message>
        <source>Enumerating every hand of %1 cards of %2 suits x %3 ranks visits %4 hands and takes about %5 on this computer. You can cancel it at any time.

Start the enumeration?</source>
        <translation>Das Aufzählen jeder Hand aus %1 Karten bei %2 Farben x %3 Werten besucht %4 Hände und dauert auf diesem Computer etwa %5. Sie können jederzeit abbrechen.

Aufzählung starten?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Startet …</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Noch etwa %1</translation>
    </message>
    <message>
        <source>The enumeration could not be run.</source>
        <translation>Die Aufzählung konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Enumerating every hand of %1 cards of %2 suits x %3 ranks and %4 visits %5 hands and takes about %6 on this computer. You can cancel it at any time.

Start the enumeration?</source>
        <translation>Das Aufzählen jeder Hand aus %1 Karten bei %2 Farben x %3 Werten und %4 besucht %5 Hände und dauert auf diesem Computer etwa %6. Sie können jederzeit abbrechen.

Aufzählung starten?</translation>
    </message>
</context>
<context>
    <name>marvane::ChartWindow</name>
    <message>
        <source>Compute the odds of a deck to see its chart here.</source>
        <translation>Berechnen Sie die Chancen eines Decks, um hier sein Diagramm zu sehen.</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Chart views</source>
        <translation>Diagrammansichten</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>&amp;Deck</translation>
    </message>
    <message>
        <source>Across dec&amp;ks</source>
        <translation>Deck&amp;vergleich</translation>
    </message>
    <message>
        <source>Chart of the deck</source>
        <translation>Diagramm des Decks</translation>
    </message>
    <message>
        <source>Picked bar</source>
        <translation>Gewählter Balken</translation>
    </message>
    <message>
        <source>Categories that never occur</source>
        <translation>Kategorien, die nie vorkommen</translation>
    </message>
    <message>
        <source>&amp;Suits 4 to 8</source>
        <translation>&amp;Farben 4 bis 8</translation>
    </message>
    <message>
        <source>&amp;Ranks 7 to 20</source>
        <translation>&amp;Werte 7 bis 20</translation>
    </message>
    <message>
        <source>Chart across decks</source>
        <translation>Diagramm über mehrere Decks</translation>
    </message>
    <message>
        <source>Crossings</source>
        <translation>Platzwechsel</translation>
    </message>
    <message>
        <source>Save Chart &amp;As...</source>
        <translation>Diagramm speichern &amp;unter …</translation>
    </message>
    <message>
        <source>&amp;Copy Crossings</source>
        <translation>Platzwechsel &amp;kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Suits 4 to 8 at %1 ranks</source>
        <translation>&amp;Farben 4 bis 8 bei %1 Werten</translation>
    </message>
    <message>
        <source>&amp;Ranks 7 to 20 at %1 suits</source>
        <translation>&amp;Werte 7 bis 20 bei %1 Farben</translation>
    </message>
    <message>
        <source>The chart could not be saved in %1:
%2</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>&amp;Jokers 0 to 4</source>
        <translation>&amp;Joker 0 bis 4</translation>
    </message>
    <message>
        <source>&amp;Jokers 0 to 4 at %1 x %2</source>
        <translation>&amp;Joker 0 bis 4 bei %1 x %2</translation>
    </message>
    <message>
        <source>Cards per &amp;hand 3 to 8</source>
        <translation>Karten pro &amp;Hand 3 bis 8</translation>
    </message>
    <message>
        <source>Cards per &amp;hand 3 to 8 at %1 x %2</source>
        <translation>Karten pro &amp;Hand 3 bis 8 bei %1 x %2</translation>
    </message>
</context>
<context>
    <name>marvane::HelpWindow</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Every row of the results list is one category: a rank pattern (five of a kind down to no pair, or a straight) crossed with a suit pattern. In the list, point at a name in the Hand column for its definition and an example hand from the deck on screen.</source>
        <translation>Jede Zeile der Ergebnisliste ist eine Kategorie: ein Wertemuster (vom Fünfling bis zu keinem Paar, oder eine Straße), kombiniert mit einem Farbmuster. Zeigen Sie in der Liste auf einen Namen in der Spalte Hand, um seine Definition und eine Beispielhand aus dem angezeigten Deck zu sehen.</translation>
    </message>
    <message>
        <source>Suit patterns</source>
        <translation>Farbmuster</translation>
    </message>
    <message>
        <source>Total and the * mark</source>
        <translation>Kumuliert und das Zeichen *</translation>
    </message>
    <message>
        <source>Example hands</source>
        <translation>Beispielhände</translation>
    </message>
    <message>
        <source>Marvane Help</source>
        <translation>Marvane-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>What the results list says</source>
        <translation>Was die Ergebnisliste aussagt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 is a pair of 7s, a pair of 4s and a 2 in five different suits. Rank 1 is the lowest, and also counts above R in exactly one straight: in a 13-rank deck %2 is a straight, %3 is not.</source>
        <translation>%1 ist ein Paar 7er, ein Paar 4er und eine 2 in fünf verschiedenen Farben. Der Wert 1 ist der niedrigste und zählt in genau einer Straße auch über R: In einem Deck mit 13 Werten ist %2 eine Straße, %3 nicht.</translation>
    </message>
    <message>
        <source>These options of marvane-count ask which ranking holds:</source>
        <translation>Diese Optionen von marvane-count fragen, welche Rangfolge hält:</translation>
    </message>
    <message>
        <source>With six to eight cards a ranking can defeat itself. In 7-card hands of 4 suits x 13 ranks, no pair (23,294,460 hands) is rarer than one pair (58,627,800), yet it ranks below it: seven cards that hold a pair count as at least that pair, so no pair keeps only the hands without one. Rows that are commoner than a category ranked below them are marked in the list with a warning sign; the tooltip names the pair. View &gt; Ranking chooses the order the counts use: this deck&apos;s own, an order of the search, a self-consistent order when one exists, or your own.</source>
        <translation>Bei sechs bis acht Karten kann sich eine Rangfolge selbst widerlegen. Bei Händen aus 7 Karten mit 4 Farben x 13 Werten ist „kein Paar“ (23.294.460 Hände) seltener als „ein Paar“ (58.627.800) und steht doch darunter: Sieben Karten mit einem Paar zählen mindestens als dieses Paar, also bleiben für „kein Paar“ nur die Hände ohne eines. Zeilen, die häufiger sind als eine Kategorie unter ihnen, sind in der Liste mit einem Warnzeichen markiert; der Tooltip nennt das Paar. Ansicht &gt; Rangfolge wählt die Reihenfolge, nach der gezählt wird: die dieses Decks, eine Reihenfolge der Suche, eine widerspruchsfreie, wenn es eine gibt, oder Ihre eigene.</translation>
    </message>
    <message>
        <source>Hands of three to eight cards</source>
        <translation>Hände aus drei bis acht Karten</translation>
    </message>
    <message>
        <source>%1 (suit pattern)</source>
        <translation>%1 (Farbmuster)</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>The Jokers box (0 to 4), after Cards per Hand, adds that many jokers to the deck. With J jokers the possible hands of K cards are C(S x R + J, K), all counted exactly, and the * mark appears only at five cards without jokers. A joker may repeat a card, so with jokers these definitions read:</source>
        <translation>Das Feld Joker (0 bis 4) nach Karten pro Hand fügt dem Deck so viele Joker hinzu. Mit J Jokern gibt es C(S x R + J, K) mögliche Hände aus K Karten, alle exakt gezählt, und das Zeichen * erscheint nur bei fünf Karten ohne Joker. Ein Joker kann eine Karte wiederholen, daher lauten diese Definitionen mit Jokern so:</translation>
    </message>
    <message>
        <source>Jokers can turn a ranking around. With one joker in 4 suits x 13 ranks, three of a kind (137,280 hands) is commoner than two pair (123,552), yet ranks above it: a pair and a joker can make either, and count as the better. Rank two pair higher under View &gt; Ranking, and two pair becomes the commoner: 205,920 hands against 54,912. With one joker or more no deck has a ranking of five-card hands that holds.</source>
        <translation>Joker können eine Rangfolge umkehren. Mit einem Joker bei 4 Farben x 13 Werten ist der Drilling (137.280 Hände) häufiger als zwei Paare (123.552) und steht doch darüber: Ein Paar und ein Joker können beides bilden und zählen als das Bessere. Stellen Sie unter Ansicht &gt; Rangfolge zwei Paare höher, und zwei Paare werden häufiger: 205.920 Hände gegen 54.912. Mit einem oder mehr Jokern hat kein Deck eine Rangfolge der Hände aus fünf Karten, die hält.</translation>
    </message>
    <message>
        <source>These options of marvane-count count with jokers:</source>
        <translation>Diese Optionen von marvane-count zählen mit Jokern:</translation>
    </message>
    <message>
        <source>Cards per Hand (3 to 8) sets the hand size. A hand of three or four cards has no five-card hands in it, so it is classed as itself, and the categories read as follows; its suit pattern is that of all its cards:</source>
        <translation>„Karten pro Hand“ (3 bis 8) legt die Handgröße fest. Eine Hand aus drei oder vier Karten enthält keine Fünf-Karten-Hand, daher wird sie für sich eingeordnet, und die Kategorien lauten so; ihr Farbmuster ist das all ihrer Karten:</translation>
    </message>
    <message>
        <source>With three or four cards the deck&apos;s own order ranks the categories by their counts at that hand size, so without jokers it always holds. In 3-card hands of 4 suits x 13 ranks both straights (288 and 432 hands) are rarer than a flush (1,096), so they rank above it, as Three Card Poker ranks them; in 4-card hands Rainbow, no pair in four suits (16,896 hands), is rarer than Hypochromatic 1 Pair (72,072) and ranks above it.</source>
        <translation>Bei drei oder vier Karten ordnet die eigene Reihenfolge des Decks die Kategorien nach ihren Anzahlen bei dieser Handgröße, daher hält sie ohne Joker immer. Bei Händen aus 3 Karten mit 4 Farben x 13 Werten sind beide Straßen (288 und 432 Hände) seltener als ein Flush (1.096) und stehen daher darüber, wie Three Card Poker sie ordnet; bei Händen aus 4 Karten ist „Höchste Karte (bunt)“, kein Paar in vier Farben (16.896 Hände), seltener als „Ein Paar (gemischt)“ (72.072) und steht darüber.</translation>
    </message>
</context>
<context>
    <name>marvane::OrderDialog</name>
    <message>
        <source>Your Own Ranking</source>
        <translation>Eigene Rangfolge</translation>
    </message>
    <message>
        <source>Best first: a hand of more than five cards counts as the first of these its fives make.</source>
        <translation>Die beste zuerst: Eine Hand aus mehr als fünf Karten zählt als die erste dieser Kategorien, die ihre fünf Karten bilden.</translation>
    </message>
    <message>
        <source>Ranking, best first</source>
        <translation>Rangfolge, die beste zuerst</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
</context>
<context>
    <name>marvane::RankingMenu</name>
    <message>
        <source>&amp;Ranking</source>
        <translation>&amp;Rangfolge</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;five-card order (in the cycle)</source>
        <translation>Die Fünf-Karten-Reihenfolge dieses &amp;Decks (im Zyklus)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;five-card order (self-consistent)</source>
        <translation>Die Fünf-Karten-Reihenfolge dieses &amp;Decks (widerspruchsfrei)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;five-card order</source>
        <translation>Die Fünf-Karten-Reihenfolge dieses &amp;Decks</translation>
    </message>
    <message>
        <source>Search step %1 (in the cycle)</source>
        <translation>Suchschritt %1 (im Zyklus)</translation>
    </message>
    <message>
        <source>Search step %1 (self-consistent)</source>
        <translation>Suchschritt %1 (widerspruchsfrei)</translation>
    </message>
    <message>
        <source>Search step %1</source>
        <translation>Suchschritt %1</translation>
    </message>
    <message>
        <source>A &amp;self-consistent order</source>
        <translation>Eine &amp;widerspruchsfreie Reihenfolge</translation>
    </message>
    <message>
        <source>No self-consistent order exists</source>
        <translation>Es gibt keine widerspruchsfreie Reihenfolge</translation>
    </message>
    <message>
        <source>Your &amp;Own Order...</source>
        <translation>&amp;Eigene Reihenfolge …</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;%1-card order (in the cycle)</source>
        <translation>Die %1-Karten-Reihenfolge dieses &amp;Decks (im Zyklus)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;%1-card order (self-consistent)</source>
        <translation>Die %1-Karten-Reihenfolge dieses &amp;Decks (widerspruchsfrei)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;%1-card order</source>
        <translation>Die %1-Karten-Reihenfolge dieses &amp;Decks</translation>
    </message>
</context>
<context>
    <name>marvane::UpDownCtrl</name>
    <message>
        <source>Up</source>
        <translation>Aufwärts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abwärts</translation>
    </message>
</context>
</TS>
