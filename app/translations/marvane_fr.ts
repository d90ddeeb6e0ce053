<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AcrossDecksChart</name>
    <message>
        <source>%1 ranks</source>
        <translation>%1 valeurs</translation>
    </message>
    <message>
        <source>%1 suits</source>
        <translation>%1 couleurs</translation>
    </message>
    <message>
        <source>%1 to %2 suits at %3</source>
        <translation>De %1 à %2 couleurs avec %3</translation>
    </message>
    <message>
        <source>%1 to %2 ranks at %3</source>
        <translation>De %1 à %2 valeurs avec %3</translation>
    </message>
    <message>
        <source>No two categories change places across these decks.
</source>
        <translation>Aucune catégorie ne change de place avec une autre dans ces jeux.
</translation>
    </message>
    <message>
        <source>This deck (%1 x %2)</source>
        <translation>Ce jeu (%1 x %2)</translation>
    </message>
    <message>
        <source>Suits (at %1 ranks)</source>
        <translation>Couleurs (avec %1 valeurs)</translation>
    </message>
    <message>
        <source>Ranks (at %1 suits)</source>
        <translation>Valeurs (avec %1 couleurs)</translation>
    </message>
    <message>
        <source>Probability (logarithmic)</source>
        <translation>Probabilité (logarithmique)</translation>
    </message>
    <message>
        <source>%1 to %2 jokers at %3 x %4</source>
        <translation>De %1 à %2 jokers avec %3 x %4</translation>
    </message>
    <message>
        <source>No two categories change places as jokers are added.
</source>
        <translation>Aucune catégorie ne change de place avec une autre quand on ajoute des jokers.
</translation>
    </message>
    <message>
        <source>Jokers (at %1 x %2)</source>
        <translation>Jokers (avec %1 x %2)</translation>
    </message>
    <message>
        <source>This deck (%1)</source>
        <translation>Ce jeu (%1)</translation>
    </message>
    <message>
        <source>%1 to %2 cards per hand at %3 x %4</source>
        <translation>De %1 à %2 cartes par main avec %3 x %4</translation>
    </message>
    <message>
        <source>%1 to %2 cards per hand at %3 x %4 and %5</source>
        <translation>De %1 à %2 cartes par main avec %3 x %4 et %5</translation>
    </message>
    <message>
        <source>No two categories change places from one hand size to the next.
</source>
        <translation>Aucune catégorie ne change de place avec une autre d’une taille de main à la suivante.
</translation>
    </message>
    <message>
        <source>Cards per hand (at %1 x %2)</source>
        <translation>Cartes par main (avec %1 x %2)</translation>
    </message>
    <message>
        <source>This hand (%1 cards)</source>
        <translation>Cette main (%1 cartes)</translation>
    </message>
</context>
<context>
    <name>CHandCalcDialog</name>
    <message>
        <source>Number of Suits</source>
        <translation>Nombre de couleurs</translation>
    </message>
    <message>
        <source>Number of Suits spin buttons</source>
        <translation>Boutons fléchés du nombre de couleurs</translation>
    </message>
    <message>
        <source>Number of Ranks</source>
        <translation>Nombre de valeurs</translation>
    </message>
    <message>
        <source>Number of Ranks spin buttons</source>
        <translation>Boutons fléchés du nombre de valeurs</translation>
    </message>
    <message>
        <source>Number of &amp;Suits</source>
        <translation>Nombre de &amp;couleurs</translation>
    </message>
    <message>
        <source>Number of &amp;Ranks</source>
        <translation>Nombre de &amp;valeurs</translation>
    </message>
    <message>
        <source>&amp;Enumerate?</source>
        <translation>É&amp;numérer&#xa0;?</translation>
    </message>
    <message>
        <source>Enumerate?</source>
        <translation>Énumérer&#xa0;?</translation>
    </message>
    <message>
        <source>Compute &amp;Odds</source>
        <translation>Ca&amp;lculer les chances</translation>
    </message>
    <message>
        <source>Compute Odds</source>
        <translation>Calculer les chances</translation>
    </message>
    <message>
        <source>Number of possible hands</source>
        <translation>Nombre de mains possibles</translation>
    </message>
    <message>
        <source>Possible Hands</source>
        <translation>Mains possibles</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Again?</source>
        <translation>&amp;Encore&#xa0;?</translation>
    </message>
    <message>
        <source>Again?</source>
        <translation>Encore&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The number of possible hands was worked out in floating point.</source>
        <translation>Le nombre de mains possibles a été calculé en virgule flottante.</translation>
    </message>
    <message>
        <source>Enumeration progress</source>
        <translation>Progression de l’énumération</translation>
    </message>
    <message>
        <source>Time the last computation took</source>
        <translation>Durée du dernier calcul</translation>
    </message>
    <message>
        <source>Cards per Hand</source>
        <translation>Cartes par main</translation>
    </message>
    <message>
        <source>Cards per Hand spin buttons</source>
        <translation>Boutons fléchés des cartes par main</translation>
    </message>
    <message>
        <source>Car&amp;ds per Hand</source>
        <translation>Cartes par &amp;main</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Jokers</translation>
    </message>
    <message>
        <source>Jokers spin buttons</source>
        <translation>Boutons fléchés des jokers</translation>
    </message>
    <message>
        <source>&amp;Jokers</source>
        <translation>&amp;Jokers</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Please choose a file name ending in .png or .svg.</source>
        <translation>Veuillez choisir un nom de fichier se terminant par .png ou .svg.</translation>
    </message>
    <message>
        <source>The SVG picture could not be started.</source>
        <translation>L’image SVG n’a pas pu être créée.</translation>
    </message>
</context>
<context>
    <name>Crossings</name>
    <message>
        <source>from %1 to %2 suits, %3 becomes rarer than %4</source>
        <translation>de %1 à %2 couleurs, %3 devient plus rare que %4</translation>
    </message>
    <message>
        <source>from %1 to %2 ranks, %3 becomes rarer than %4</source>
        <translation>de %1 à %2 valeurs, %3 devient plus rare que %4</translation>
    </message>
    <message>
        <source>from %1 to %2 joker, %3 becomes rarer than %4</source>
        <translation>de %1 à %2 joker, %3 devient plus rare que %4</translation>
    </message>
    <message>
        <source>from %1 to %2 jokers, %3 becomes rarer than %4</source>
        <translation>de %1 à %2 jokers, %3 devient plus rare que %4</translation>
    </message>
    <message>
        <source>%1 (equal at %2)</source>
        <translation>%1 (égalité à %2)</translation>
    </message>
    <message>
        <source>%1 (equal at %2 to %3)</source>
        <translation>%1 (égalité de %2 à %3)</translation>
    </message>
    <message>
        <source>from %1 to %2 cards, %3 becomes rarer than %4</source>
        <translation>de %1 à %2 cartes, %3 devient plus rare que %4</translation>
    </message>
</context>
<context>
    <name>DeckChart</name>
    <message>
        <source>%1 suits x %2 ranks, %3 hands</source>
        <translation>%1 couleurs x %2 valeurs, %3 mains</translation>
    </message>
    <message>
        <source>%1: %2 of %3 hands, probability %4</source>
        <translation>%1&#xa0;: %2 mains sur %3, probabilité %4</translation>
    </message>
    <message>
        <source>never: %1</source>
        <translation>jamais&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hand and odds, in the list&apos;s order</source>
        <translation>Main et fréquence, dans l’ordre de la liste</translation>
    </message>
    <message>
        <source>Probability (logarithmic)</source>
        <translation>Probabilité (logarithmique)</translation>
    </message>
    <message>
        <source>%1 suits x %2 ranks, %3 hands of %4 cards</source>
        <translation>%1 couleurs x %2 valeurs, %3 mains de %4 cartes</translation>
    </message>
    <message>
        <source>%1 suits x %2 ranks and %3, %4 hands of %5 cards</source>
        <translation>%1 couleurs x %2 valeurs et %3, %4 mains de %5 cartes</translation>
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
        <translation>Cinq de même valeur</translation>
    </message>
    <message>
        <source>Rainbow 4 of a Kind</source>
        <translation>Carré (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Hypochromatic 4 of a Kind</source>
        <translation>Carré (mixte)</translation>
    </message>
    <message>
        <source>Rainbow Full House</source>
        <translation>Full (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Hypochromatic Full House</source>
        <translation>Full (mixte)</translation>
    </message>
    <message>
        <source>Rainbow 3 of a Kind</source>
        <translation>Brelan (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Hypochromatic 3 of a Kind</source>
        <translation>Brelan (mixte)</translation>
    </message>
    <message>
        <source>Rainbow 2 Pair</source>
        <translation>Double paire (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Hypochromatic 2 Pair</source>
        <translation>Double paire (mixte)</translation>
    </message>
    <message>
        <source>Rainbow 1 Pair</source>
        <translation>Paire (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Hypochromatic 1 Pair</source>
        <translation>Paire (mixte)</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Rainbow Straight</source>
        <translation>Quinte (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Hypochromatic Straight</source>
        <translation>Quinte (mixte)</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Carte haute (arc-en-ciel)</translation>
    </message>
    <message>
        <source>Garbage</source>
        <translation>Carte haute (mixte)</translation>
    </message>
    <message>
        <source>five cards of one rank, which always have five different suits.</source>
        <translation>cinq cartes de même valeur, toujours de cinq couleurs différentes.</translation>
    </message>
    <message>
        <source>four cards of one rank and a fifth card, all five cards of different suits.</source>
        <translation>quatre cartes de même valeur et une cinquième carte, les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>four cards of one rank and a fifth card that shares a suit with one of them.</source>
        <translation>quatre cartes de même valeur et une cinquième carte de la même couleur que l’une d’elles.</translation>
    </message>
    <message>
        <source>three cards of one rank and two of another, all five cards of different suits.</source>
        <translation>trois cartes de même valeur et deux d’une autre, les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>three cards of one rank and two of another, with at least two cards of one suit.</source>
        <translation>trois cartes de même valeur et deux d’une autre, dont au moins deux cartes de la même couleur.</translation>
    </message>
    <message>
        <source>three cards of one rank and two cards of two other ranks, all five cards of different suits.</source>
        <translation>trois cartes de même valeur et deux cartes de deux autres valeurs, les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>three cards of one rank and two cards of two other ranks, with at least two cards of one suit.</source>
        <translation>trois cartes de même valeur et deux cartes de deux autres valeurs, dont au moins deux cartes de la même couleur.</translation>
    </message>
    <message>
        <source>two pairs and a fifth card, all five cards of different suits.</source>
        <translation>deux paires et une cinquième carte, les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>two pairs and a fifth card, with at least two cards of one suit.</source>
        <translation>deux paires et une cinquième carte, dont au moins deux cartes de la même couleur.</translation>
    </message>
    <message>
        <source>one pair and three cards of three other ranks, all five cards of different suits.</source>
        <translation>une paire et trois cartes de trois autres valeurs, les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>one pair and three cards of three other ranks, with at least two cards of one suit.</source>
        <translation>une paire et trois cartes de trois autres valeurs, dont au moins deux cartes de la même couleur.</translation>
    </message>
    <message>
        <source>five ranks in a row (or 1 with the four highest ranks), all five cards of one suit.</source>
        <translation>cinq valeurs qui se suivent (ou le 1 avec les quatre valeurs les plus hautes), les cinq cartes de la même couleur.</translation>
    </message>
    <message>
        <source>five cards of one suit whose ranks are not in a row.</source>
        <translation>cinq cartes de la même couleur dont les valeurs ne se suivent pas.</translation>
    </message>
    <message>
        <source>five ranks in a row (or 1 with the four highest ranks), all five cards of different suits.</source>
        <translation>cinq valeurs qui se suivent (ou le 1 avec les quatre valeurs les plus hautes), les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>five ranks in a row (or 1 with the four highest ranks), neither all of one suit nor all of different suits.</source>
        <translation>cinq valeurs qui se suivent (ou le 1 avec les quatre valeurs les plus hautes), ni toutes de la même couleur ni toutes de couleurs différentes.</translation>
    </message>
    <message>
        <source>five different ranks not in a row, all five cards of different suits.</source>
        <translation>cinq valeurs différentes qui ne se suivent pas, les cinq cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>five different ranks not in a row, neither all of one suit nor all of different suits.</source>
        <translation>cinq valeurs différentes qui ne se suivent pas, ni toutes de la même couleur ni toutes de couleurs différentes.</translation>
    </message>
    <message>
        <source>this category&apos;s count plus the counts of every category that dominates it; that is, the number of hands at least this good.</source>
        <translation>le nombre de mains de cette catégorie plus celui de chaque catégorie qui la domine&#xa0;; autrement dit, le nombre de mains au moins aussi bonnes.</translation>
    </message>
    <message>
        <source>Cards are written rank then suit letter, ranks 1 to R and suits a to h; 7a is the 7 of the first suit.</source>
        <translation>Une carte s’écrit valeur puis lettre de couleur, valeurs 1 à R et couleurs a à h&#xa0;; 7a est le 7 de la première couleur.</translation>
    </message>
    <message>
        <source>needs at least 5 suits, since a rank has one card in each suit</source>
        <translation>il faut au moins 5 couleurs, car une valeur a une seule carte par couleur</translation>
    </message>
    <message>
        <source>needs at least 5 suits, one for each card</source>
        <translation>il faut au moins 5 couleurs, une pour chaque carte</translation>
    </message>
    <message>
        <source>the deck must have 4 to 8 suits and 7 to 20 ranks</source>
        <translation>le jeu doit avoir de 4 à 8 couleurs et de 7 à 20 valeurs</translation>
    </message>
    <message>
        <source>no example hand was found</source>
        <translation>aucune main d’exemple n’a été trouvée</translation>
    </message>
    <message>
        <source>not a hand category</source>
        <translation>ce n’est pas une catégorie de main</translation>
    </message>
    <message>
        <source>Flush</source>
        <comment>suit pattern</comment>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <comment>suit pattern</comment>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Hypochromatic</source>
        <comment>suit pattern</comment>
        <translation>Mixte</translation>
    </message>
    <message>
        <source>all five cards of one suit.</source>
        <translation>les cinq cartes de la même couleur.</translation>
    </message>
    <message>
        <source>all five cards of different suits; only a deck of at least 5 suits has them.</source>
        <translation>les cinq cartes de couleurs différentes&#xa0;; seul un jeu d’au moins 5 couleurs en a.</translation>
    </message>
    <message>
        <source>neither flush nor rainbow, so some cards share a suit but not all five.</source>
        <translation>ni couleur ni arc-en-ciel&#xa0;: certaines cartes partagent une couleur, mais pas toutes les cinq.</translation>
    </message>
    <message>
        <source>the number of possible hands was worked out in floating point.</source>
        <translation>le nombre de mains possibles a été calculé en virgule flottante.</translation>
    </message>
    <message>
        <source>Best five</source>
        <translation>Cinq meilleures</translation>
    </message>
    <message>
        <source>Self-consistent</source>
        <translation>Cohérent</translation>
    </message>
    <message>
        <source>Choosing a ranking</source>
        <translation>Choisir un classement</translation>
    </message>
    <message>
        <source>a hand of six to eight cards counts in the best category among its five-card hands; best means rarer among this deck&apos;s five-card hands, or earlier in a chosen order.</source>
        <translation>une main de six à huit cartes compte dans la meilleure catégorie de ses mains de cinq cartes&#xa0;; meilleure veut dire plus rare parmi les mains de cinq cartes de ce jeu, ou plus tôt dans un ordre choisi.</translation>
    </message>
    <message>
        <source>a ranking under which no category has fewer hands of that many cards than one ranked above it; with six to eight cards most rankings are not.</source>
        <translation>un classement où aucune catégorie n’a moins de mains de ce nombre de cartes qu’une catégorie classée au-dessus&#xa0;; avec six à huit cartes, la plupart des classements ne le sont pas.</translation>
    </message>
    <message>
        <source>View &gt; Ranking in the dialog, or --order on the command line, counts under another order: one the search for a self-consistent order passes through, a self-consistent one when it exists, or your own; a row commoner than a category ranked below it is marked, and --check-order lists such pairs.</source>
        <translation>Affichage &gt; Classement dans la boîte de dialogue, ou --order en ligne de commande, compte selon un autre ordre&#xa0;: un ordre que parcourt la recherche d’un ordre cohérent, un ordre cohérent s’il existe, ou le vôtre&#xa0;; une ligne plus fréquente qu’une catégorie classée en dessous est marquée, et --check-order liste ces paires.</translation>
    </message>
    <message>
        <source>five cards of one rank; a joker may repeat a card, so their suits need not differ, and a deck of four suits has them too.</source>
        <translation>cinq cartes de même valeur&#xa0;; un joker peut répéter une carte, si bien que leurs couleurs ne sont pas forcément différentes, et un jeu de quatre couleurs en a aussi.</translation>
    </message>
    <message>
        <source>four cards of one rank and a fifth card, with at least two cards of one suit; a joker may repeat a card, so two of the four may share a suit.</source>
        <translation>quatre cartes de même valeur et une cinquième carte, dont au moins deux cartes de la même couleur&#xa0;; un joker peut répéter une carte, si bien que deux des quatre peuvent être de la même couleur.</translation>
    </message>
    <message>
        <source>all five cards of one suit and of five different ranks; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>les cinq cartes de la même couleur et de cinq valeurs différentes&#xa0;; un joker qui répète une carte fait une paire, jamais une couleur.</translation>
    </message>
    <message>
        <source>neither flush nor rainbow, so some cards share a suit; with a joker that repeats a card, a hand with a repeated rank may have all five cards in one suit.</source>
        <translation>ni couleur ni arc-en-ciel&#xa0;: certaines cartes partagent une couleur&#xa0;; avec un joker qui répète une carte, une main avec une valeur répétée peut avoir ses cinq cartes de la même couleur.</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>a wild card that stands for any card, any rank in any suit, also one the hand already holds, written Jk in example hands; a hand counts in the best category it can make, and a category only jokers make (Five of a Kind in four suits) ranks first in the deck&apos;s own order.</source>
        <translation>une carte qui peut remplacer n’importe quelle carte, toute valeur dans toute couleur, même une carte que la main contient déjà, notée Jk dans les mains d’exemple&#xa0;; une main compte dans la meilleure catégorie qu’elle peut former, et une catégorie que seuls les jokers forment (Cinq de même valeur avec quatre couleurs) vient en premier dans l’ordre propre du jeu.</translation>
    </message>
    <message>
        <source>five cards of one suit and of five different ranks not in a row; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>cinq cartes de la même couleur et de cinq valeurs différentes qui ne se suivent pas&#xa0;; un joker qui répète une carte fait une paire, jamais une couleur.</translation>
    </message>
    <message>
        <source>As itself</source>
        <translation>Telle quelle</translation>
    </message>
    <message>
        <source>a hand of three or four cards is classed as itself: its rank pattern crossed with the suits of all its cards; the deck&apos;s own order ranks the rarer of such hands first.</source>
        <translation>une main de trois ou quatre cartes est classée telle quelle&#xa0;: sa combinaison de valeurs croisée avec les couleurs de toutes ses cartes&#xa0;; l’ordre propre du jeu place en premier les plus rares de ces mains.</translation>
    </message>
    <message>
        <source>a hand of three or four cards never falls here.</source>
        <translation>une main de trois ou quatre cartes ne tombe jamais ici.</translation>
    </message>
    <message>
        <source>a hand of three cards never falls here.</source>
        <translation>une main de trois cartes ne tombe jamais ici.</translation>
    </message>
    <message>
        <source>four cards of one rank, all of different suits.</source>
        <translation>quatre cartes de même valeur, toutes de couleurs différentes.</translation>
    </message>
    <message>
        <source>four cards of one rank with two of one suit, which only a joker that repeats a card makes.</source>
        <translation>quatre cartes de même valeur dont deux de la même couleur, ce que seul un joker qui répète une carte permet.</translation>
    </message>
    <message>
        <source>three cards of one rank (and, in a hand of four, a card of another rank), all the hand&apos;s cards of different suits.</source>
        <translation>trois cartes de même valeur (et, dans une main de quatre, une carte d’une autre valeur), toutes les cartes de la main de couleurs différentes.</translation>
    </message>
    <message>
        <source>three cards of one rank (and, in a hand of four, a card of another rank), with at least two cards of one suit; in a hand of three only a joker that repeats a card makes one.</source>
        <translation>trois cartes de même valeur (et, dans une main de quatre, une carte d’une autre valeur), dont au moins deux cartes de la même couleur&#xa0;; dans une main de trois, seul un joker qui répète une carte en fait un.</translation>
    </message>
    <message>
        <source>two pairs in a hand of four cards, all four of different suits.</source>
        <translation>deux paires dans une main de quatre cartes, les quatre de couleurs différentes.</translation>
    </message>
    <message>
        <source>two pairs in a hand of four cards, with at least two cards of one suit.</source>
        <translation>deux paires dans une main de quatre cartes, dont au moins deux cartes de la même couleur.</translation>
    </message>
    <message>
        <source>one pair and the hand&apos;s other cards of other ranks, all the hand&apos;s cards of different suits.</source>
        <translation>une paire et les autres cartes de la main d’autres valeurs, toutes les cartes de la main de couleurs différentes.</translation>
    </message>
    <message>
        <source>one pair and the hand&apos;s other cards of other ranks, with at least two cards of one suit.</source>
        <translation>une paire et les autres cartes de la main d’autres valeurs, dont au moins deux cartes de la même couleur.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks in a row (or 1 with the highest ranks), all its cards of one suit.</source>
        <translation>toutes les valeurs de la main se suivent (ou le 1 avec les valeurs les plus hautes), toutes ses cartes de la même couleur.</translation>
    </message>
    <message>
        <source>all the hand&apos;s cards of one suit, their ranks different and not in a row; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>toutes les cartes de la main de la même couleur, leurs valeurs différentes et qui ne se suivent pas&#xa0;; un joker qui répète une carte fait une paire, jamais une couleur.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks in a row (or 1 with the highest ranks), all its cards of different suits.</source>
        <translation>toutes les valeurs de la main se suivent (ou le 1 avec les valeurs les plus hautes), toutes ses cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks in a row (or 1 with the highest ranks), neither all of one suit nor all of different suits.</source>
        <translation>toutes les valeurs de la main se suivent (ou le 1 avec les valeurs les plus hautes), ni toutes de la même couleur ni toutes de couleurs différentes.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks different and not in a row, all its cards of different suits.</source>
        <translation>toutes les valeurs de la main différentes et qui ne se suivent pas, toutes ses cartes de couleurs différentes.</translation>
    </message>
    <message>
        <source>all the hand&apos;s ranks different and not in a row, neither all of one suit nor all of different suits.</source>
        <translation>toutes les valeurs de la main différentes et qui ne se suivent pas, ni toutes de la même couleur ni toutes de couleurs différentes.</translation>
    </message>
    <message>
        <source>all the hand&apos;s cards of one suit and of different ranks; a joker that repeats a card makes a pair, never a flush.</source>
        <translation>toutes les cartes de la main de la même couleur et de valeurs différentes&#xa0;; un joker qui répète une carte fait une paire, jamais une couleur.</translation>
    </message>
    <message>
        <source>all the hand&apos;s cards of different suits, which four suits allow.</source>
        <translation>toutes les cartes de la main de couleurs différentes, ce que quatre couleurs permettent.</translation>
    </message>
    <message>
        <source>neither flush nor rainbow, so some cards share a suit but not all.</source>
        <translation>ni couleur ni arc-en-ciel&#xa0;: certaines cartes partagent une couleur, mais pas toutes.</translation>
    </message>
    <message>
        <source>a hand of three or four cards never has it</source>
        <translation>une main de trois ou quatre cartes ne l’a jamais</translation>
    </message>
    <message>
        <source>a hand of three cards never has it</source>
        <translation>une main de trois cartes ne l’a jamais</translation>
    </message>
    <message>
        <source>only a joker that repeats a card makes it</source>
        <translation>seul un joker qui répète une carte la forme</translation>
    </message>
</context>
<context>
    <name>Jokers</name>
    <message>
        <source>1 joker</source>
        <translation>1 joker</translation>
    </message>
    <message>
        <source>%1 jokers</source>
        <translation>%1 jokers</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>Fic&amp;hier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>Copier &amp;tout</translation>
    </message>
    <message>
        <source>&amp;Save Results As...</source>
        <translation>&amp;Enregistrer les résultats sous…</translation>
    </message>
    <message>
        <source>Save C&amp;hart As...</source>
        <translation>Enregistrer le &amp;graphique sous…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Probability</source>
        <translation>&amp;Probabilité</translation>
    </message>
    <message>
        <source>&amp;Odds</source>
        <translation>&amp;Fréquence</translation>
    </message>
    <message>
        <source>C&amp;hart...</source>
        <translation>&amp;Graphique…</translation>
    </message>
    <message>
        <source>Marvane &amp;Help</source>
        <translation>&amp;Aide de Marvane</translation>
    </message>
    <message>
        <source>&amp;About Marvane...</source>
        <translation>À p&amp;ropos de Marvane…</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un entier compris entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>OddsColumns</name>
    <message>
        <source>never</source>
        <comment>odds of a category without hands</comment>
        <translation>jamais</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <comment>odds: one hand in this many</comment>
        <translation>1 sur %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Save Chart As</source>
        <translation>Enregistrer le graphique sous</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Enregistrer les résultats sous</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>ResultHeadings</name>
    <message>
        <source>Hand</source>
        <comment>results column: the category of hand</comment>
        <translation>Main</translation>
    </message>
    <message>
        <source>Enumerated</source>
        <comment>results column: hands counted one by one</comment>
        <translation>Énumérées</translation>
    </message>
    <message>
        <source>Computed</source>
        <comment>results column: hands counted by formula</comment>
        <translation>Calculées</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>results column: cumulative count</comment>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>Probability</source>
        <comment>results column</comment>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Odds</source>
        <comment>results column: one hand in how many</comment>
        <translation>Fréquence</translation>
    </message>
</context>
<context>
    <name>ResultsExplanations</name>
    <message>
        <source>Example: %1</source>
        <translation>Exemple&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot occur with %1 suits: %2.</source>
        <translation>Impossible avec %1 couleurs&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a category name and its definition</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The category of hand. Point at a name for its definition and an example hand from this deck. </source>
        <translation>La catégorie de la main. Pointez sur un nom pour voir sa définition et une main d’exemple tirée de ce jeu. </translation>
    </message>
    <message>
        <source>Hands of this category, counted by visiting and classifying every hand of the deck.</source>
        <translation>Mains de cette catégorie, comptées en parcourant et en classant chaque main du jeu.</translation>
    </message>
    <message>
        <source>Hands of this category, counted by formula without visiting a hand.</source>
        <translation>Mains de cette catégorie, calculées par formule sans parcourir aucune main.</translation>
    </message>
    <message>
        <source>Summed from Enumerated when the hands were enumerated, else from Computed.</source>
        <translation>Somme des «&#xa0;Énumérées&#xa0;» si les mains ont été énumérées, sinon des «&#xa0;Calculées&#xa0;».</translation>
    </message>
    <message>
        <source>The chance that a hand dealt from this deck falls in this category: its count divided by the number of possible hands.</source>
        <translation>La probabilité qu’une main distribuée à partir de ce jeu tombe dans cette catégorie&#xa0;: son nombre divisé par le nombre de mains possibles.</translation>
    </message>
    <message>
        <source>On average one hand of this category in this many hands.</source>
        <translation>En moyenne, une main de cette catégorie sur autant de mains.</translation>
    </message>
    <message>
        <source>No hand of %1 cards of this deck has it as its best five.</source>
        <translation>Aucune main de %1 cartes de ce jeu n’en fait ses cinq meilleures.</translation>
    </message>
    <message>
        <source>the best five of %1 cards, best meaning rarer among this deck&apos;s five-card hands, are %2</source>
        <translation>les cinq meilleures de %1 cartes (meilleure voulant dire plus rare parmi les mains de cinq cartes de ce jeu) sont %2</translation>
    </message>
    <message>
        <source>the best five of %1 cards, best meaning earlier in the chosen order, are %2</source>
        <translation>les cinq meilleures de %1 cartes (meilleure voulant dire plus tôt dans l’ordre choisi) sont %2</translation>
    </message>
    <message>
        <source>%1 is rarer than %2, but ranks below it: %3 against %4 hands</source>
        <translation>%1 est plus rare que %2, mais se classe en dessous&#xa0;: %3 contre %4 mains</translation>
    </message>
    <message>
        <source>With more or fewer than five cards the Totals add the same categories as with five, whatever the ranking.</source>
        <translation>Avec plus ou moins de cinq cartes, les totaux additionnent les mêmes catégories qu’avec cinq, quel que soit le classement.</translation>
    </message>
    <message>
        <source>No example hand of %1 cards was found.</source>
        <translation>Aucun exemple de main de %1 cartes n’a été trouvé.</translation>
    </message>
    <message>
        <source>No hand of %1 cards of this deck has it.</source>
        <translation>Aucune main de %1 cartes de ce jeu ne tombe ici.</translation>
    </message>
    <message>
        <source>Cannot occur: %1.</source>
        <translation>Impossible&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>%1: one fewer</source>
        <translation>%1 : un de moins</translation>
    </message>
    <message>
        <source>%1: one more</source>
        <translation>%1 : un de plus</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>An order changes no count here: without jokers every hand of %1 cards has one category.</source>
        <translation>Un ordre ne change ici aucun nombre : sans joker, chaque main de %1 cartes a une seule catégorie.</translation>
    </message>
    <message>
        <source>Best first: a hand with jokers counts as the first of these it can make.</source>
        <translation>Le meilleur d’abord : une main avec des jokers compte comme la première de celles qu’elle peut former.</translation>
    </message>
    <message>
        <source>Cards per hand, %1 to %2</source>
        <translation>Cartes par main, de %1 à %2</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Check this order</source>
        <translation>Vérifier cet ordre</translation>
    </message>
    <message>
        <source>Count under the self-consistent order</source>
        <translation>Compter selon l’ordre cohérent</translation>
    </message>
    <message>
        <source>Count under this order</source>
        <translation>Compter selon cet ordre</translation>
    </message>
    <message>
        <source>Counted under your own order: see Ranking.</source>
        <translation>Compté selon votre propre ordre : voir Classement.</translation>
    </message>
    <message>
        <source>Every hand of %1 cards has one category here: an order changes no count. The search and the check still say how the deck&apos;s categories rank.</source>
        <translation>Chaque main de %1 cartes a ici une seule catégorie : un ordre ne change aucun nombre. La recherche et la vérification disent tout de même comment se classent les catégories du jeu.</translation>
    </message>
    <message>
        <source>Find a self-consistent order</source>
        <translation>Chercher un ordre cohérent</translation>
    </message>
    <message>
        <source>Finding an example hand…</source>
        <translation>Recherche d’une main d’exemple…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Jokers, %1 to %2</source>
        <translation>Jokers, de %1 à %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Licences of everything in this page</source>
        <translation>Licences de tout ce que contient cette page</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Descendre %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No two categories change places.</source>
        <translation>Aucune paire de catégories n’échange sa place.</translation>
    </message>
    <message>
        <source>Poker hand counts of generalised decks, computed on your own machine: the same engine as the desktop program, compiled to WebAssembly. Nothing you enter leaves this page.</source>
        <translation>Les mains de poker de jeux généralisés, comptées sur votre propre machine : le même moteur que le programme de bureau, compilé en WebAssembly. Rien de ce que vous saisissez ne quitte cette page.</translation>
    </message>
    <message>
        <source>Ranks, %1 to %2</source>
        <translation>Rangs, de %1 à %2</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Save as JSON</source>
        <translation>Enregistrer en JSON</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Enregistrer en PNG</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Suits, %1 to %2</source>
        <translation>Couleurs, de %1 à %2</translation>
    </message>
    <message>
        <source>Supported browsers: current Chromium (Chrome, Edge), Firefox and Safari; tested in Chromium.</source>
        <translation>Navigateurs pris en charge : Chromium (Chrome, Edge), Firefox et Safari actuels ; testé dans Chromium.</translation>
    </message>
    <message>
        <source>The deck&apos;s own order</source>
        <translation>L’ordre propre au jeu</translation>
    </message>
    <message>
        <source>The enumeration was cancelled: the counts shown are computed.</source>
        <translation>L’énumération a été annulée : les nombres affichés sont calculés.</translation>
    </message>
    <message>
        <source>The same bytes as:</source>
        <translation>Les mêmes octets que :</translation>
    </message>
    <message>
        <source>These pairs break the order:</source>
        <translation>Ces paires rompent l’ordre :</translation>
    </message>
    <message>
        <source>This order is self-consistent: no category is rarer than one ranked above it.</source>
        <translation>Cet ordre est cohérent : aucune catégorie n’est plus rare qu’une catégorie classée au-dessus d’elle.</translation>
    </message>
    <message>
        <source>What the results say</source>
        <translation>Ce que disent les résultats</translation>
    </message>
    <message>
        <source>Where categories change places as this grows:</source>
        <translation>Où les catégories échangent leur place quand ceci augmente :</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Termes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Your own order, best first, commas between:</source>
        <translation>Votre propre ordre, le meilleur d’abord, séparé par des virgules :</translation>
    </message>
    <message>
        <source>across</source>
        <translation>selon</translation>
    </message>
</context>
<context>
    <name>marvane::AboutDialog</name>
    <message>
        <source>About Marvane</source>
        <translation>À propos de Marvane</translation>
    </message>
    <message>
        <source>Marvane icon</source>
        <translation>Icône de Marvane</translation>
    </message>
    <message>
        <source>Marvane Version %1</source>
        <translation>Marvane version %1</translation>
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
        <translation>Impossible d’enregistrer les résultats dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Elapsed Time: %1 s</source>
        <translation>Temps écoulé&#xa0;: %1&#xa0;s</translation>
    </message>
    <message>
        <source>Enumerating every hand of %1 cards of %2 suits x %3 ranks visits %4 hands and takes about %5 on this computer. You can cancel it at any time.

Start the enumeration?</source>
        <translation>Énumérer chaque main de %1 cartes de %2 couleurs x %3 valeurs parcourt %4 mains et prend environ %5 sur cet ordinateur. Vous pouvez l’annuler à tout moment.

Lancer l’énumération&#xa0;?</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Encore environ %1</translation>
    </message>
    <message>
        <source>The enumeration could not be run.</source>
        <translation>L’énumération n’a pas pu être lancée.</translation>
    </message>
    <message>
        <source>Enumerating every hand of %1 cards of %2 suits x %3 ranks and %4 visits %5 hands and takes about %6 on this computer. You can cancel it at any time.

Start the enumeration?</source>
        <translation>Énumérer chaque main de %1 cartes de %2 couleurs x %3 valeurs et %4 parcourt %5 mains et prend environ %6 sur cet ordinateur. Vous pouvez l’annuler à tout moment.

Lancer l’énumération&#xa0;?</translation>
    </message>
</context>
<context>
    <name>marvane::ChartWindow</name>
    <message>
        <source>Compute the odds of a deck to see its chart here.</source>
        <translation>Calculez les chances d’un jeu pour voir ici son graphique.</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Chart views</source>
        <translation>Vues du graphique</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>Ce &amp;jeu</translation>
    </message>
    <message>
        <source>Across dec&amp;ks</source>
        <translation>&amp;Série de jeux</translation>
    </message>
    <message>
        <source>Chart of the deck</source>
        <translation>Graphique du jeu</translation>
    </message>
    <message>
        <source>Picked bar</source>
        <translation>Barre choisie</translation>
    </message>
    <message>
        <source>Categories that never occur</source>
        <translation>Catégories qui n’apparaissent jamais</translation>
    </message>
    <message>
        <source>&amp;Suits 4 to 8</source>
        <translation>&amp;Couleurs de 4 à 8</translation>
    </message>
    <message>
        <source>&amp;Ranks 7 to 20</source>
        <translation>&amp;Valeurs de 7 à 20</translation>
    </message>
    <message>
        <source>Chart across decks</source>
        <translation>Graphique d’une série de jeux</translation>
    </message>
    <message>
        <source>Crossings</source>
        <translation>Croisements</translation>
    </message>
    <message>
        <source>Save Chart &amp;As...</source>
        <translation>Enregistrer le graphique so&amp;us…</translation>
    </message>
    <message>
        <source>&amp;Copy Crossings</source>
        <translation>Co&amp;pier les croisements</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Suits 4 to 8 at %1 ranks</source>
        <translation>&amp;Couleurs de 4 à 8, %1 valeurs</translation>
    </message>
    <message>
        <source>&amp;Ranks 7 to 20 at %1 suits</source>
        <translation>&amp;Valeurs de 7 à 20, %1 couleurs</translation>
    </message>
    <message>
        <source>The chart could not be saved in %1:
%2</source>
        <translation>Impossible d’enregistrer le graphique dans %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>&amp;Jokers 0 to 4</source>
        <translation>&amp;Jokers de 0 à 4</translation>
    </message>
    <message>
        <source>&amp;Jokers 0 to 4 at %1 x %2</source>
        <translation>&amp;Jokers de 0 à 4, %1 x %2</translation>
    </message>
    <message>
        <source>Cards per &amp;hand 3 to 8</source>
        <translation>Cartes par &amp;main de 3 à 8</translation>
    </message>
    <message>
        <source>Cards per &amp;hand 3 to 8 at %1 x %2</source>
        <translation>Cartes par &amp;main de 3 à 8, %1 x %2</translation>
    </message>
</context>
<context>
    <name>marvane::HelpWindow</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Every row of the results list is one category: a rank pattern (five of a kind down to no pair, or a straight) crossed with a suit pattern. In the list, point at a name in the Hand column for its definition and an example hand from the deck on screen.</source>
        <translation>Chaque ligne de la liste des résultats est une catégorie&#xa0;: une combinaison de valeurs (de cinq de même valeur à aucune paire, ou une quinte) croisée avec une combinaison de couleurs. Dans la liste, placez le pointeur sur un nom de la colonne Main pour voir sa définition et une main d’exemple du jeu affiché.</translation>
    </message>
    <message>
        <source>Suit patterns</source>
        <translation>Combinaisons de couleurs</translation>
    </message>
    <message>
        <source>Total and the * mark</source>
        <translation>Cumul et la marque *</translation>
    </message>
    <message>
        <source>Example hands</source>
        <translation>Mains d’exemple</translation>
    </message>
    <message>
        <source>Marvane Help</source>
        <translation>Aide de Marvane</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d’aide</translation>
    </message>
    <message>
        <source>What the results list says</source>
        <translation>Ce que dit la liste des résultats</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 is a pair of 7s, a pair of 4s and a 2 in five different suits. Rank 1 is the lowest, and also counts above R in exactly one straight: in a 13-rank deck %2 is a straight, %3 is not.</source>
        <translation>%1 est une paire de 7, une paire de 4 et un 2 de cinq couleurs différentes. La valeur 1 est la plus basse et compte aussi au-dessus de R dans exactement une quinte&#xa0;: dans un jeu de 13 valeurs, %2 est une quinte, %3 non.</translation>
    </message>
    <message>
        <source>These options of marvane-count ask which ranking holds:</source>
        <translation>Ces options de marvane-count demandent quel classement tient&#xa0;:</translation>
    </message>
    <message>
        <source>With six to eight cards a ranking can defeat itself. In 7-card hands of 4 suits x 13 ranks, no pair (23,294,460 hands) is rarer than one pair (58,627,800), yet it ranks below it: seven cards that hold a pair count as at least that pair, so no pair keeps only the hands without one. Rows that are commoner than a category ranked below them are marked in the list with a warning sign; the tooltip names the pair. View &gt; Ranking chooses the order the counts use: this deck&apos;s own, an order of the search, a self-consistent order when one exists, or your own.</source>
        <translation>Avec six à huit cartes, un classement peut se contredire. Parmi les mains de 7 cartes d’un jeu de 4 couleurs x 13 valeurs, «&#xa0;aucune paire&#xa0;» (23&#x202f;294&#x202f;460 mains) est plus rare qu’«&#xa0;une paire&#xa0;» (58&#x202f;627&#x202f;800), et se classe pourtant en dessous&#xa0;: sept cartes qui contiennent une paire comptent au moins comme cette paire, si bien qu’«&#xa0;aucune paire&#xa0;» ne garde que les mains sans paire. Les lignes plus fréquentes qu’une catégorie classée en dessous d’elles sont marquées dans la liste d’un signe d’avertissement&#xa0;; l’info-bulle nomme la paire. Affichage &gt; Classement choisit l’ordre des décomptes&#xa0;: celui de ce jeu, un ordre de la recherche, un ordre cohérent s’il en existe un, ou le vôtre.</translation>
    </message>
    <message>
        <source>Hands of three to eight cards</source>
        <translation>Mains de trois à huit cartes</translation>
    </message>
    <message>
        <source>%1 (suit pattern)</source>
        <translation>%1 (combinaison de couleurs)</translation>
    </message>
    <message>
        <source>Jokers</source>
        <translation>Jokers</translation>
    </message>
    <message>
        <source>The Jokers box (0 to 4), after Cards per Hand, adds that many jokers to the deck. With J jokers the possible hands of K cards are C(S x R + J, K), all counted exactly, and the * mark appears only at five cards without jokers. A joker may repeat a card, so with jokers these definitions read:</source>
        <translation>Le champ Jokers (0 à 4), après Cartes par main, ajoute autant de jokers au jeu. Avec J jokers, il y a C(S x R + J, K) mains possibles de K cartes, toutes comptées exactement, et la marque * n’apparaît qu’à cinq cartes sans joker. Un joker peut répéter une carte, si bien qu’avec des jokers ces définitions deviennent&#xa0;:</translation>
    </message>
    <message>
        <source>Jokers can turn a ranking around. With one joker in 4 suits x 13 ranks, three of a kind (137,280 hands) is commoner than two pair (123,552), yet ranks above it: a pair and a joker can make either, and count as the better. Rank two pair higher under View &gt; Ranking, and two pair becomes the commoner: 205,920 hands against 54,912. With one joker or more no deck has a ranking of five-card hands that holds.</source>
        <translation>Les jokers peuvent renverser un classement. Avec un joker dans un jeu de 4 couleurs x 13 valeurs, le brelan (137&#x202f;280 mains) est plus fréquent que la double paire (123&#x202f;552), et se classe pourtant au-dessus&#xa0;: une paire et un joker peuvent former l’un ou l’autre, et comptent comme le meilleur des deux. Classez la double paire plus haut sous Affichage &gt; Classement, et c’est elle qui devient la plus fréquente&#xa0;: 205&#x202f;920 mains contre 54&#x202f;912. Avec un joker ou plus, aucun jeu n’a de classement des mains de cinq cartes qui tienne.</translation>
    </message>
    <message>
        <source>These options of marvane-count count with jokers:</source>
        <translation>Ces options de marvane-count comptent avec des jokers&#xa0;:</translation>
    </message>
    <message>
        <source>Cards per Hand (3 to 8) sets the hand size. A hand of three or four cards has no five-card hands in it, so it is classed as itself, and the categories read as follows; its suit pattern is that of all its cards:</source>
        <translation>«&#xa0;Cartes par main&#xa0;» (3 à 8) fixe la taille de la main. Une main de trois ou quatre cartes ne contient aucune main de cinq cartes&#xa0;: elle est donc classée telle quelle, et les catégories se lisent ainsi, sa combinaison de couleurs étant celle de toutes ses cartes&#xa0;:</translation>
    </message>
    <message>
        <source>With three or four cards the deck&apos;s own order ranks the categories by their counts at that hand size, so without jokers it always holds. In 3-card hands of 4 suits x 13 ranks both straights (288 and 432 hands) are rarer than a flush (1,096), so they rank above it, as Three Card Poker ranks them; in 4-card hands Rainbow, no pair in four suits (16,896 hands), is rarer than Hypochromatic 1 Pair (72,072) and ranks above it.</source>
        <translation>Avec trois ou quatre cartes, l’ordre propre du jeu classe les catégories selon leurs nombres à cette taille de main, si bien que sans joker il tient toujours. Parmi les mains de 3 cartes d’un jeu de 4 couleurs x 13 valeurs, les deux quintes (288 et 432 mains) sont plus rares qu’une couleur (1&#x202f;096) et se classent donc au-dessus, comme au Three Card Poker&#xa0;; parmi les mains de 4 cartes, «&#xa0;Carte haute (arc-en-ciel)&#xa0;», aucune paire en quatre couleurs (16&#x202f;896 mains), est plus rare que «&#xa0;Paire (mixte)&#xa0;» (72&#x202f;072) et se classe au-dessus.</translation>
    </message>
</context>
<context>
    <name>marvane::OrderDialog</name>
    <message>
        <source>Your Own Ranking</source>
        <translation>Votre propre classement</translation>
    </message>
    <message>
        <source>Best first: a hand of more than five cards counts as the first of these its fives make.</source>
        <translation>La meilleure d’abord&#xa0;: une main de plus de cinq cartes compte comme la première de ces catégories que forment ses cinq cartes.</translation>
    </message>
    <message>
        <source>Ranking, best first</source>
        <translation>Classement, la meilleure d’abord</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
</context>
<context>
    <name>marvane::RankingMenu</name>
    <message>
        <source>&amp;Ranking</source>
        <translation>&amp;Classement</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;five-card order (in the cycle)</source>
        <translation>L’ordre à cinq cartes de ce &amp;jeu (dans le cycle)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;five-card order (self-consistent)</source>
        <translation>L’ordre à cinq cartes de ce &amp;jeu (cohérent)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;five-card order</source>
        <translation>L’ordre à cinq cartes de ce &amp;jeu</translation>
    </message>
    <message>
        <source>Search step %1 (in the cycle)</source>
        <translation>Étape de recherche %1 (dans le cycle)</translation>
    </message>
    <message>
        <source>Search step %1 (self-consistent)</source>
        <translation>Étape de recherche %1 (cohérent)</translation>
    </message>
    <message>
        <source>Search step %1</source>
        <translation>Étape de recherche %1</translation>
    </message>
    <message>
        <source>A &amp;self-consistent order</source>
        <translation>Un ordre &amp;cohérent</translation>
    </message>
    <message>
        <source>No self-consistent order exists</source>
        <translation>Aucun ordre cohérent n’existe</translation>
    </message>
    <message>
        <source>Your &amp;Own Order...</source>
        <translation>Votre &amp;propre ordre…</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;%1-card order (in the cycle)</source>
        <translation>L’ordre à %1 cartes de ce &amp;jeu (dans le cycle)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;%1-card order (self-consistent)</source>
        <translation>L’ordre à %1 cartes de ce &amp;jeu (cohérent)</translation>
    </message>
    <message>
        <source>This deck&apos;s &amp;%1-card order</source>
        <translation>L’ordre à %1 cartes de ce &amp;jeu</translation>
    </message>
</context>
<context>
    <name>marvane::UpDownCtrl</name>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
</context>
</TS>
