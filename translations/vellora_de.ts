<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessibility</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Steps of the sort</source>
        <translation>Schritte des Sortierens</translation>
    </message>
    <message>
        <source>No gaps.</source>
        <translation>Keine Schrittweiten.</translation>
    </message>
    <message>
        <source>Gaps %1, none in force.</source>
        <translation>Schrittweiten %1, keine davon aktuell.</translation>
    </message>
    <message>
        <source>Gaps %1: %2 in force; applied: %3; to come: %4.</source>
        <translation>Schrittweiten %1: aktuell %2; schon angewendet: %3; noch offen: %4.</translation>
    </message>
    <message>
        <source>Sequence: %1.</source>
        <translation>Folge: %1.</translation>
    </message>
    <message>
        <source>No subsequence.</source>
        <translation>Keine Teilfolge.</translation>
    </message>
    <message>
        <source>Subsequence from element %1: %2.</source>
        <translation>Teilfolge ab Element %1: %2.</translation>
    </message>
    <message>
        <source>Compared: %1 (element %2) and %3 (element %4).</source>
        <translation>Verglichen werden %1 (Element %2) und %3 (Element %4).</translation>
    </message>
    <message>
        <source>At the beginning of the subsequence: %1 (element %2).</source>
        <translation>Am Anfang der Teilfolge: %1 (Element %2).</translation>
    </message>
    <message>
        <source>Speed: seconds per step</source>
        <translation>Tempo: Sekunden pro Schritt</translation>
    </message>
    <message>
        <source>Step number</source>
        <translation>Schrittnummer</translation>
    </message>
    <message>
        <source>Size of the sequence</source>
        <translation>Länge der Folge</translation>
    </message>
    <message>
        <source>%1: on.</source>
        <translation>%1: an.</translation>
    </message>
    <message>
        <source>%1: off.</source>
        <translation>%1: aus.</translation>
    </message>
    <message>
        <source>Step explanation</source>
        <translation>Schritterklärung</translation>
    </message>
    <message>
        <source>Step %1 of %2:</source>
        <translation>Schritt %1 von %2:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>FORMULA</source>
        <translation>FORMEL</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <translation>ZAHL</translation>
    </message>
    <message>
        <source>Gap formula: %1 to %2, or %3 (default %4).</source>
        <translation>Formel für die Schrittweiten: %1 bis %2 oder %3 (Vorgabe: %4).</translation>
    </message>
    <message>
        <source>Numbers of the sequence, from %1 to %2; when one is negative, put -- before them, as in %3 -- -5 3 8.</source>
        <translation>Zahlen der Folge, von %1 bis %2; ist eine davon negativ, gehört -- vor die Zahlen, wie in %3 -- -5 3 8.</translation>
    </message>
    <message>
        <source>The argument %1 is taken for an option; when a number is negative, put -- before the numbers, as in %2 -- -5 3 8.</source>
        <translation>Das Argument %1 wird als Option gelesen; ist eine Zahl negativ, gehört -- vor die Zahlen, wie in %2 -- -5 3 8.</translation>
    </message>
    <message>
        <source>Unknown formula &apos;%1&apos;; the formulas are %2.</source>
        <translation>Unbekannte Formel „%1“; die Formeln sind %2.</translation>
    </message>
    <message>
        <source>No numbers were given; a sequence is numbers separated by spaces.</source>
        <translation>Es wurden keine Zahlen angegeben; eine Folge besteht aus Zahlen, getrennt durch Leerzeichen.</translation>
    </message>
    <message>
        <source>Warning: characters other than numbers and spaces were read as spaces.</source>
        <translation>Warnung: Andere Zeichen als Zahlen und Leerzeichen wurden wie Leerzeichen gelesen.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>none known</source>
        <translation>keine bekannt</translation>
    </message>
    <message>
        <source>none proved</source>
        <translation>keine bewiesen</translation>
    </message>
    <message>
        <source>▶ %1 (in force)</source>
        <translation>▶ %1 (in Kraft)</translation>
    </message>
    <message>
        <source>Comparisons and swaps on this sequence</source>
        <translation>Vergleiche und Vertauschungen auf dieser Folge</translation>
    </message>
    <message>
        <source>Comparisons (operations)</source>
        <translation>Vergleiche (Operationen)</translation>
    </message>
    <message>
        <source>Swaps</source>
        <translation>Vertauschungen</translation>
    </message>
    <message>
        <source>Bar chart: comparisons and swaps per formula</source>
        <translation>Balkendiagramm: Vergleiche und Vertauschungen je Formel</translation>
    </message>
    <message>
        <source>%1: %2 comparisons, %3 swaps.</source>
        <translation>%1: %2 Vergleiche, %3 Vertauschungen.</translation>
    </message>
    <message>
        <source>In force: %1.</source>
        <translation>In Kraft: %1.</translation>
    </message>
    <message>
        <source>n, the length of the sequence (log scale)</source>
        <translation>n, die Länge der Folge (logarithmische Skala)</translation>
    </message>
    <message>
        <source>average comparisons (log scale)</source>
        <translation>Vergleiche im Durchschnitt (logarithmische Skala)</translation>
    </message>
    <message>
        <source>Line chart: average comparisons against n, log–log</source>
        <translation>Liniendiagramm: Vergleiche im Durchschnitt über n, doppelt logarithmisch</translation>
    </message>
    <message>
        <source>Sizes n: %1.</source>
        <translation>Längen n: %1.</translation>
    </message>
    <message>
        <source>%1 (worst case: %2)</source>
        <translation>%1 (ungünstigster Fall: %2)</translation>
    </message>
    <message>
        <source>%1: n^%2 (worst case: %3)</source>
        <translation>%1: n^%2 (ungünstigster Fall: %3)</translation>
    </message>
    <message>
        <source>%1: averages %2; n^%3; worst case: %4.</source>
        <translation>%1: Durchschnitte %2; n^%3; ungünstigster Fall: %4.</translation>
    </message>
    <message>
        <source>Vellora – Compare the formulas</source>
        <translation>Vellora – Formeln im Vergleich</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>Comparisons
(operations)</source>
        <translation>Vergleiche
(Operationen)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Schrittweiten</translation>
    </message>
    <message>
        <source>Cost of each formula on this sequence</source>
        <translation>Aufwand jeder Formel auf dieser Folge</translation>
    </message>
    <message>
        <source>On this sequence</source>
        <translation>Auf dieser Folge</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Progress of the computation</source>
        <translation>Fortschritt der Berechnung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Growth with n</source>
        <translation>Wachstum mit n</translation>
    </message>
    <message>
        <source>Sequence: %1</source>
        <translation>Folge: %1</translation>
    </message>
    <message>
        <source>Sequence of %1 numbers: %2 …</source>
        <translation>Folge aus %1 Zahlen: %2 …</translation>
    </message>
    <message>
        <source>Comparisons are what the main window&apos;s status panel counts as operations; each gap makes one pass.</source>
        <translation>Vergleiche sind, was das Statusfeld des Hauptfensters als Operationen zählt; jede Schrittweite ergibt einen Durchgang.</translation>
    </message>
    <message>
        <source>In force: %1, marked ▶.</source>
        <translation>In Kraft: %1, markiert mit ▶.</translation>
    </message>
    <message>
        <source>Computing… %p%</source>
        <translation>Berechnung … %p %</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Average number of comparisons over random permutations of 1 to n, seed %1</source>
        <translation>Durchschnittliche Anzahl der Vergleiche auf zufälligen Permutationen von 1 bis n, Startwert %1</translation>
    </message>
    <message>
        <source>%1, n = %2: %3 comparisons on average (95% confidence), over %4 random permutations</source>
        <translation>%1, n = %2: im Durchschnitt %3 Vergleiche (95 % Konfidenz), über %4 zufällige Permutationen</translation>
    </message>
    <message>
        <source>Each average is over %1 to %2 random permutations: as many as it takes for its 95% confidence interval to be within ± %3 of it, but at most %4. The widest here: ± %5.</source>
        <translation>Jeder Durchschnitt stammt aus %1 bis %2 zufälligen Permutationen: so vielen, bis sein 95-%-Konfidenzintervall nicht weiter als ± %3 von ihm abweicht, höchstens aber %4. Das breiteste hier: ± %5.</translation>
    </message>
    <message>
        <source>n^e: the power of n that fits the averages best for n from 10 to 1000 (least squares on the log–log axes). The worst cases of the help page are bounds for the least favourable sequences as n grows large; averages over random permutations of at most a thousand numbers need not reach them.</source>
        <translation>n^e: die Potenz von n, die am besten zu den Durchschnitten für n von 10 bis 1000 passt (kleinste Quadrate auf den doppelt logarithmischen Achsen). Die ungünstigsten Fälle der Hilfeseite sind Schranken für die ungünstigsten Folgen, wenn n groß wird; Durchschnitte über zufällige Permutationen von höchstens tausend Zahlen müssen sie nicht erreichen.</translation>
    </message>
    <message>
        <source>%1 percent.</source>
        <translation>%1 Prozent.</translation>
    </message>
    <message>
        <source>Done: the chart shows the averages for seed %1.</source>
        <translation>Fertig: Das Diagramm zeigt die Durchschnitte für den Startwert %1.</translation>
    </message>
    <message>
        <source>Cancelled at %1 percent.</source>
        <translation>Bei %1 Prozent abgebrochen.</translation>
    </message>
    <message>
        <source>Computing the growth chart.</source>
        <translation>Das Wachstumsdiagramm wird berechnet.</translation>
    </message>
    <message>
        <source>%1: computing the growth chart.</source>
        <translation>%1: Das Wachstumsdiagramm wird berechnet.</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt sortiert</translation>
    </message>
    <message>
        <source>Already sorted</source>
        <translation>Schon sortiert</translation>
    </message>
    <message>
        <source>Nearly sorted (two pairs swapped at random)</source>
        <translation>Fast sortiert (zwei zufällige Paare vertauscht)</translation>
    </message>
    <message>
        <source>Only three different values, in random order</source>
        <translation>Nur drei verschiedene Werte, zufällig angeordnet</translation>
    </message>
    <message>
        <source>Bad case for Shell&apos;s formula (16 numbers)</source>
        <translation>Ungünstiger Fall für die Shell-Formel (16 Zahlen)</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation, for the page&apos;s lang attribute.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Shell sort, step by step</source>
        <translation>Shellsort Schritt für Schritt</translation>
    </message>
    <message>
        <source>%1, sequence %2</source>
        <translation>%1, Folge %2</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Previous step</source>
        <translation>Vorheriger Schritt</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder is not empty (--force replaces it whole)</source>
        <translation>der Ordner ist nicht leer (--force ersetzt ihn ganz)</translation>
    </message>
    <message>
        <source>%1; what it held is in %2</source>
        <translation>%1; sein bisheriger Inhalt liegt in %2</translation>
    </message>
    <message>
        <source>Cannot write the handout to %1: %2.</source>
        <translation>Das Handout lässt sich nicht in %1 schreiben: %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellora</source>
        <translation>Vellora</translation>
    </message>
    <message>
        <source>Shell&apos;s formula</source>
        <translation>Shell-Formel</translation>
    </message>
    <message>
        <source>Hibbard&apos;s formula</source>
        <translation>Hibbard-Formel</translation>
    </message>
    <message>
        <source>Sedgewick&apos;s formula</source>
        <translation>Sedgewick-Formel</translation>
    </message>
    <message>
        <source>Pratt&apos;s formula</source>
        <translation>Pratt-Formel</translation>
    </message>
    <message>
        <source>Fibonacci sequence</source>
        <translation>Fibonacci-Folge</translation>
    </message>
    <message>
        <source>Knuth formula</source>
        <translation>Knuth-Formel</translation>
    </message>
    <message>
        <source>More information...</source>
        <translation>Weitere Infos …</translation>
    </message>
    <message>
        <source>Calculate gap sizes 
according to:</source>
        <translation>Schrittweiten
berechnen nach:</translation>
    </message>
    <message>
        <source>Generate it randomly</source>
        <translation>Zufällig erzeugen</translation>
    </message>
    <message>
        <source>Apply yours</source>
        <translation>Eingeben</translation>
    </message>
    <message>
        <source>How to define a
sequence:</source>
        <translation>Woher kommt
die Folge?</translation>
    </message>
    <message>
        <source>Size of the sequence: 20</source>
        <translation>Länge der Folge: 20</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>Apply!</source>
        <translation>Anwenden!</translation>
    </message>
    <message>
        <source>Vellora

This program was written by
Vellora contributors</source>
        <translation>Vellora

Dieses Programm wurde geschrieben
von den Vellora-Mitwirkenden</translation>
    </message>
    <message>
        <source>&lt;&lt; Prev. step</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next step &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Prev. subseq.</source>
        <translation>&lt;&lt; Teilfolge</translation>
    </message>
    <message>
        <source>Next subseq. &gt;&gt;</source>
        <translation>Teilfolge &gt;&gt;</translation>
    </message>
    <message>
        <source>First slide</source>
        <translation>Zum Anfang</translation>
    </message>
    <message>
        <source>Last slide</source>
        <translation>Zum Ende</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Step #:</source>
        <translation>Schritt:</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Präsentieren</translation>
    </message>
    <message>
        <source>Present on the other screen</source>
        <translation>Auf dem anderen Bildschirm präsentieren</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern …</translation>
    </message>
    <message>
        <source>Predict the steps</source>
        <translation>Schritte vorhersagen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
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
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1:
%2</source>
        <translation>Das Bild ließ sich nicht als %1 speichern:
%2</translation>
    </message>
    <message>
        <source>More information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>The help document could not be opened:
%1</source>
        <translation>Das Hilfedokument ließ sich nicht öffnen:
%1</translation>
    </message>
    <message>
        <source>Size of the sequence: </source>
        <translation>Länge der Folge: </translation>
    </message>
    <message>
        <source>Please type in your sequence:</source>
        <translation>Bitte geben Sie Ihre Folge ein:</translation>
    </message>
    <message>
        <source>Your sequence is longer than the field can hold (%1 characters), so only its beginning arrived. At most %2 numbers can be sorted here.</source>
        <translation>Ihre Folge ist länger, als das Feld fassen kann (%1 Zeichen), daher ist nur ihr Anfang angekommen. Sortiert werden können hier höchstens %2 Zahlen.</translation>
    </message>
    <message>
        <source>Input Warning</source>
        <translation>Hinweis zur Eingabe</translation>
    </message>
    <message>
        <source>Some incorrect symbols (not digits or spaces) were found in your input. They will be interpreted as spaces.</source>
        <translation>Ihre Eingabe enthält ungültige Zeichen (weder Ziffern noch Leerzeichen). Diese werden wie Leerzeichen behandelt.</translation>
    </message>
    <message>
        <source>Total number of operations: %1, incl. %2 swaps.</source>
        <translation>Operationen insgesamt: %1, davon Vertauschungen: %2.</translation>
    </message>
    <message>
        <source>You have not written a sequence!
(A sequence consists of numbers divided by spaces)</source>
        <translation>Sie haben keine Folge eingegeben!
(Eine Folge besteht aus Zahlen, getrennt durch Leerzeichen)</translation>
    </message>
    <message>
        <source>The number %1 is too large: numbers can be at most %2.</source>
        <translation>Die Zahl %1 ist zu groß: Zahlen dürfen höchstens %2 sein.</translation>
    </message>
    <message>
        <source>You have typed %1 numbers, but at most %2 can be sorted here.</source>
        <translation>Sie haben %1 Zahlen eingegeben, sortiert werden können hier aber höchstens %2.</translation>
    </message>
    <message>
        <source>This is where all begins. Now we&apos;re going to sort that array.</source>
        <translation>Hier geht es los. Jetzt sortieren wir diese Folge.</translation>
    </message>
    <message>
        <source>The current element is in the beginning of the subsequence, there is no need to continue working with it.</source>
        <translation>Das aktuelle Element steht am Anfang der Teilfolge und muss nicht weiter bearbeitet werden.</translation>
    </message>
    <message>
        <source>Sorting finished!</source>
        <translation>Fertig sortiert!</translation>
    </message>
    <message>
        <source>Setting gap length to %1.</source>
        <translation>Die Schrittweite wird auf %1 gesetzt.</translation>
    </message>
    <message>
        <source>Now we are going to work with a subsequence starting from element %1.</source>
        <translation>Jetzt bearbeiten wir die Teilfolge, die bei Element %1 beginnt.</translation>
    </message>
    <message>
        <source>%1 is more than %2, we don&apos;t need to replace it anymore.</source>
        <translation>%1 ist größer als %2, es muss nicht weiter vertauscht werden.</translation>
    </message>
    <message>
        <source>%1 is equal to %2, we don&apos;t need to replace it anymore.</source>
        <translation>%1 ist gleich %2, es muss nicht weiter vertauscht werden.</translation>
    </message>
    <message>
        <source>%1 is more than %2, we need to swap them.</source>
        <translation>%1 ist größer als %2, wir müssen die beiden vertauschen.</translation>
    </message>
    <message>
        <source>Current step: %1/%2</source>
        <translation>Aktueller Schritt: %1/%2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Gaps: ✓ applied, framed in force, plain to come · line down: in the subsequence · framed below: compared</source>
        <translation>Schrittweiten: ✓ angewendet, umrahmt aktuell, unmarkiert noch offen · Strich nach unten: in der Teilfolge · unten umrahmt: verglichen</translation>
    </message>
    <message>
        <source>Top row, the gaps: applied in green with a tick ✓, in force in yellow with a frame, to come in red.
Middle row, the sequence: the members of the current subsequence in grey, each with a line down to its copy below.
Bottom row, that subsequence: the elements compared in purple with a frame.</source>
        <translation>Obere Reihe, die Schrittweiten: angewendete grün mit Haken ✓, die aktuelle gelb mit Rahmen, noch offene rot.
Mittlere Reihe, die Folge: die Elemente der aktuellen Teilfolge grau, jedes mit einem Strich nach unten zu seiner Kopie.
Untere Reihe, diese Teilfolge: die verglichenen Elemente violett mit Rahmen.</translation>
    </message>
    <message>
        <source>Ciura&apos;s sequence</source>
        <translation>Ciura-Folge</translation>
    </message>
    <message>
        <source>The number %1 is too small: numbers must be at least %2.</source>
        <translation>Die Zahl %1 ist zu klein: Zahlen müssen mindestens %2 sein.</translation>
    </message>
    <message>
        <source>Race two formulas</source>
        <translation>Wettlauf zweier Formeln</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Copy the sequence</source>
        <translation>Folge kopieren</translation>
    </message>
    <message>
        <source>Compare formulas…</source>
        <translation>Formeln vergleichen …</translation>
    </message>
    <message>
        <source>Random sequence…</source>
        <translation>Zufallsfolge …</translation>
    </message>
    <message>
        <source>Random sequence</source>
        <translation>Zufallsfolge</translation>
    </message>
    <message>
        <source>&amp;How many numbers (%1 to %2):</source>
        <translation>&amp;Wie viele Zahlen (%1 bis %2):</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>… %1 apart …</source>
        <translation>… Abstand %1 …</translation>
    </message>
    <message>
        <source>← %1 more</source>
        <translation>← %1 weitere</translation>
    </message>
    <message>
        <source>%1 more →</source>
        <translation>%1 weitere →</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>A step of Shell sort</source>
        <translation>Ein Schritt von Shellsort</translation>
    </message>
</context>
<context>
    <name>Predictor</name>
    <message>
        <source>Right. %1 (%2 of %3 right)</source>
        <translation>Richtig. %1 (%2 von %3 richtig)</translation>
    </message>
    <message>
        <source>Not quite: %1 (%2 of %3 right)</source>
        <translation>Nicht ganz: %1 (%2 von %3 richtig)</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The key that answers &quot;swap&quot; in the predict mode: one letter that fits the word for swapping and is no other key of the window (B, P, R are taken).</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The key that answers &quot;keep&quot; in the predict mode: one letter, as for &quot;swap&quot;.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>Compare %1 and %2 (gap %3): swap them or keep them? %4 = swap, %5 = keep.</source>
        <extracomment>%4 and %5 are the keys that answer &quot;swap&quot; and &quot;keep&quot;.</extracomment>
        <translation>Vergleich von %1 und %2 (Schrittweite %3): tauschen oder lassen? %4 = tauschen, %5 = lassen.</translation>
    </message>
    <message>
        <source>Vellora</source>
        <translation>Vellora</translation>
    </message>
    <message>
        <source>Vellora – predicting</source>
        <translation>Vellora – Vorhersage</translation>
    </message>
    <message>
        <source>Vellora – predicting (%1 of %2 right)</source>
        <translation>Vellora – Vorhersage (%1 von %2 richtig)</translation>
    </message>
    <message>
        <source>Predicting: no answers yet</source>
        <translation>Vorhersage: noch keine Antworten</translation>
    </message>
    <message>
        <source>Predicting: %1 of %2 right</source>
        <translation>Vorhersage: %1 von %2 richtig</translation>
    </message>
</context>
<context>
    <name>PresentationView</name>
    <message>
        <source>Vellora – Presentation</source>
        <translation>Vellora – Präsentation</translation>
    </message>
</context>
<context>
    <name>RaceView</name>
    <message>
        <source>Vellora – Race</source>
        <translation>Vellora – Wettlauf</translation>
    </message>
    <message>
        <source>comparisons so far: %1 of %2 · swaps so far: %3 of %4 · step %5 of %6</source>
        <translation>Vergleiche bisher: %1 von %2 · Vertauschungen bisher: %3 von %4 · Schritt %5 von %6</translation>
    </message>
    <message>
        <source>(in force)</source>
        <translation>(gewählt)</translation>
    </message>
    <message>
        <source>(Up, Down: another)</source>
        <translation>(Pfeil hoch, runter: eine andere)</translation>
    </message>
    <message>
        <source>✓ finished first</source>
        <translation>✓ als Erste fertig</translation>
    </message>
    <message>
        <source>✓ finished together</source>
        <translation>✓ gleichzeitig fertig</translation>
    </message>
    <message>
        <source>Right, Left: both to the next or previous comparison · Space: play · Up, Down: another second formula · Esc: back to the presentation</source>
        <translation>Pfeil rechts, links: beide zum nächsten oder vorigen Vergleich · Leertaste: abspielen · Pfeil hoch, runter: andere zweite Formel · Esc: zurück zur Präsentation</translation>
    </message>
    <message>
        <source>Race: %1 against %2.</source>
        <translation>Wettlauf: %1 gegen %2.</translation>
    </message>
</context>
<context>
    <name>vellora</name>
    <message>
        <source>Shows Shell sort at work, one step at a time.
With numbers, the window opens on their trace, as if they were typed in and applied.
Qt&apos;s own options, such as -platform and -style, work as well.</source>
        <translation>Zeigt Shellsort bei der Arbeit, Schritt für Schritt.
Mit Zahlen öffnet sich das Fenster gleich mit ihrem Ablauf, als wären sie eingegeben und angewendet worden.
Die Qt-eigenen Optionen wie -platform und -style gelten ebenfalls.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>The window needs a display (a desktop session, or ssh -X); vellora-trace prints the same traces as text.</source>
        <translation>Das Fenster braucht eine grafische Oberfläche (eine Desktop-Sitzung oder ssh -X); vellora-trace gibt dieselben Abläufe als Text aus.</translation>
    </message>
</context>
<context>
    <name>vellora-trace</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Formula: %1</source>
        <translation>Formel: %1</translation>
    </message>
    <message>
        <source>Sequence: %1</source>
        <translation>Folge: %1</translation>
    </message>
    <message>
        <source>Gaps: %1</source>
        <translation>Schrittweiten: %1</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation>Schritte: %1</translation>
    </message>
    <message>
        <source>Step %1/%2: %3</source>
        <translation>Schritt %1/%2: %3</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operationen</translation>
    </message>
    <message>
        <source>Swaps</source>
        <translation>Vertauschungen</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Schrittweiten</translation>
    </message>
    <message>
        <source>Prints the Shell-sort trace of a sequence, step by step, as Vellora shows it.
The numbers come from the arguments or, if there are none, from standard input.</source>
        <translation>Gibt den Ablauf von Shellsort für eine Folge Schritt für Schritt aus, wie Vellora ihn zeigt.
Die Zahlen kommen aus den Argumenten oder, wenn es keine gibt, von der Standardeingabe.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Print one JSON document.</source>
        <translation>Ein JSON-Dokument ausgeben (stets auf Englisch).</translation>
    </message>
    <message>
        <source>Write one SVG picture per step into DIR, with an index.html that pages through them.</source>
        <translation>Je Schritt ein SVG-Bild in ORDNER schreiben, dazu eine index.html, die sie durchblättert.</translation>
    </message>
    <message>
        <source>With --pictures: only steps A to B, counted from 1 (or the one step A).</source>
        <translation>Mit --pictures: nur die Schritte A bis B, ab 1 gezählt (oder nur Schritt A).</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Exponent: the slope of log(average) against log(n), fitted by least squares.</source>
        <translation>Exponent: die Steigung von log(Durchschnitt) über log(n), nach der Methode der kleinsten Quadrate angepasst.</translation>
    </message>
    <message>
        <source>Compare the seven formulas on the sequence.</source>
        <translation>Die sieben Formeln an der Folge vergleichen.</translation>
    </message>
    <message>
        <source>Print how the average number of comparisons grows with n, for n from 10 to 1000, over random sequences; no numbers are read.</source>
        <translation>Ausgeben, wie die durchschnittliche Anzahl der Vergleiche bei Zufallsfolgen mit n wächst, für n von 10 bis 1000; es werden keine Zahlen gelesen.</translation>
    </message>
    <message>
        <source>With --growth: draw the random sequences from seed N (default %1).</source>
        <translation>Mit --growth: die Zufallsfolgen mit dem Startwert N ziehen (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>With --pictures: replace DIR whole when it is not empty.</source>
        <translation>Mit --pictures: ORDNER ganz ersetzen, wenn er nicht leer ist.</translation>
    </message>
    <message>
        <source>The option --%1 goes with --pictures.</source>
        <translation>Die Option --%1 gehört zu --pictures.</translation>
    </message>
    <message>
        <source>The option --pictures writes files; it goes with neither --json nor --compare.</source>
        <translation>Die Option --pictures schreibt Dateien und passt weder zu --json noch zu --compare.</translation>
    </message>
    <message>
        <source>The option --seed goes with --growth.</source>
        <translation>Die Option --seed gehört zu --growth.</translation>
    </message>
    <message>
        <source>The option --growth takes no numbers and goes with neither --formula, --compare nor --pictures.</source>
        <translation>Die Option --growth nimmt keine Zahlen an und passt weder zu --formula noch zu --compare noch zu --pictures.</translation>
    </message>
    <message>
        <source>The option --compare sorts with every formula; it does not go with --formula.</source>
        <translation>Die Option --compare sortiert mit allen Formeln und passt nicht zu --formula.</translation>
    </message>
    <message>
        <source>The option --seed takes a number from 0 to 4294967295.</source>
        <translation>Die Option --seed erwartet eine Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>Cannot read standard input.</source>
        <translation>Die Standardeingabe lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>The option --steps takes A-B with 1 &lt;= A &lt;= B &lt;= %1.</source>
        <translation>Die Option --steps erwartet A-B mit 1 &lt;= A &lt;= B &lt;= %1.</translation>
    </message>
    <message>
        <source>Cannot write the output: %1.</source>
        <translation>Die Ausgabe lässt sich nicht schreiben: %1.</translation>
    </message>
    <message>
        <source>Average number of comparisons over random permutations of 1 to n, seed %1</source>
        <translation>Durchschnittliche Anzahl der Vergleiche bei zufälligen Permutationen von 1 bis n, Startwert %1</translation>
    </message>
    <message>
        <source>±: half the width of the average&apos;s 95% confidence interval; permutations are drawn until it is within %1% of the average, but at most %2.</source>
        <translation>±: die halbe Breite des 95-%-Konfidenzintervalls des Durchschnitts; gezogen werden Permutationen, bis sie höchstens %1 % des Durchschnitts beträgt, aber nicht mehr als %2.</translation>
    </message>
</context>
</TS>
