<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>Geben Sie einen Betrag von höchstens %1 ein.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>Geben Sie einen Betrag wie %1 ein.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [--help] [--version] [FILE]
Works out the monthly payment and the amortization schedule of a loan.

  FILE        a loan file (.qloan) to open
  --help      show this help and exit
  --version   show the version and exit
</source>
        <translation>Aufruf: %1 [--help] [--version] [DATEI]
Berechnet die Monatsrate und den Tilgungsplan eines Darlehens.

  DATEI       eine Darlehensdatei (.qloan), die geöffnet wird
  --help      diese Hilfe anzeigen und beenden
  --version   die Version anzeigen und beenden
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: unbekannte Option „%2“
Weitere Informationen mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: nur eine Darlehensdatei auf einmal, nicht zusätzlich „%2“
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1, am niedrigsten</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>Der niedrigste Wert der Angebote</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Darlehensvergleich</translation>
    </message>
</context>
<context>
    <name>ExtraSummary</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A duration: %1 is the years, %2 the months (&quot;8 years 5 months&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off in the same month.</source>
        <translation>Zinsersparnis: %1; getilgt im selben Monat.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>Zinsersparnis: %1; %2 früher getilgt.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (Rate Nr. %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>Monatsrate nach der ersten Sondertilgung: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>Monatsrate nach der ersten Sondertilgung: %1; vor der letzten Rate: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Mit Sondertilgungen: getilgt am %1 nach %2 Rate; Zinsen gesamt %3.</numerusform>
            <numerusform>Mit Sondertilgungen: getilgt am %1 nach %2 Raten; Zinsen gesamt %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Ohne Sondertilgungen: getilgt am %1 nach %2 Rate; Zinsen gesamt %3.</numerusform>
            <numerusform>Ohne Sondertilgungen: getilgt am %1 nach %2 Raten; Zinsen gesamt %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>Berechnen Sie zuerst ein Darlehen im Hauptfenster.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>Das Hauptfenster erstellt noch seinen Tilgungsplan…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>Korrigieren Sie die markierten Felder, um den Tilgungsplan mit Sondertilgungen zu sehen.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>Diese Sondertilgungen führen zu einem Betrag, den der Rechner nicht verarbeiten kann.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 Jahr</numerusform>
            <numerusform>%1 Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 Monat</numerusform>
            <numerusform>%1 Monate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>Erwägen Sie eine Umschuldung oder rufen Sie die Polizei, die Rechtmäßigkeit dieses Darlehens ist fraglich</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>Sofort umschulden!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>Dieses Darlehen kann nicht berechnet werden: Seine Beträge liegen außerhalb des Bereichs, den der Rechner verarbeiten kann.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Wertebereich überschritten</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>Noch kein Tilgungsplan: Berechnen Sie ein Darlehen, um sein Diagramm zu sehen.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>Monatsrate %1; Zinsen gesamt %2; getilgt am %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Restschuld nach jeder Rate</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pro Jahr gezahlt</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Restschuld mit Sondertilgungen</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>Restschuld ohne Sondertilgungen</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>„%1“ muss ein Text sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>„%1“ ist länger, als ein Eingabefeld fassen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>„%1“ muss true oder false sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>„%1“ muss eine ganze Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>„%1“ muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>„%1“ muss eine Liste sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>„%1“ enthält mehr als %2 Einträge.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>„%1“ muss einer dieser Werte sein: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>„%1“ fehlt.</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>„loan.firstPaymentDate“ muss ein Datum von 0001-01-01 bis 9999-12-31 sein.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>Die Datei ist unvollständig: Sie endet bei Zeichen %1, mitten in ihren Daten.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>Die Datei ist keine Darlehensdatei: Sie ist kein JSON (%1 bei Zeichen %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>Die Datei ist zu groß für eine Darlehensdatei.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>Die Datei ist keine Darlehensdatei dieses Programms.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>Die Datei wurde von einer neueren Version des Programms geschrieben (Formatversion %1); diese Version liest Version %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 ist ein Ordner, keine Darlehensdatei.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (die Gebühren sind nicht niedriger als der Betrag)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>ab Rate %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>von Anfang an</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Anzahl der Raten</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>Tilgungsende</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>Summe der Raten</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>Nominaler Jahreszins (mit Gebühren)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>Effektiver Jahreszins (mit Gebühren)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Zinsen im ersten Jahr</numerusform>
            <numerusform>Zinsen in den ersten %Ln Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Kosten im ersten Jahr</numerusform>
            <numerusform>Kosten der ersten %Ln Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Restschuld nach %Ln Jahr</numerusform>
            <numerusform>Restschuld nach %Ln Jahren</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>Günstiger als %1</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1: Gesamtkosten %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1, genauso viel wie %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1, %2 weniger als %3</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1, %2 mehr als %3</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Zinssatz p. a. (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>Im Hauptfenster verwenden</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>Tilgungsplan anzeigen</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>Name von Angebot %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>%1 im Hauptfenster verwenden</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>Tilgungsplan von %1 anzeigen</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>berechnet</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>Geben Sie einen Betrag größer als 0 ein.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>Gebühren dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>Geben Sie eine ganze Zahl von %1 bis %2 Monaten ein.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>Geben Sie einen Zinssatz von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>Eine Sondertilgung darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>Geben Sie eine Ratennummer von %1 bis %2 ein.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>Das Layout des Berichts konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>Der Tilgungsplan konnte nicht gedruckt werden.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>Der Tilgungsplan konnte nicht in %1 gedruckt werden.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>Tilgungsplan drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>Druckvorschau des Tilgungsplans</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>Der Drucker konnte nicht eingerichtet werden.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QtReportPrinter</name>
    <message>
        <source>The printer could not start the job.</source>
        <translation>Der Drucker konnte den Auftrag nicht starten.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>Der Drucker konnte den Auftrag nicht abschließen.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>Der Drucker konnte kein neues Blatt beginnen.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>Keine der gewählten Seiten ist im Bericht enthalten.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV wie angezeigt (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>Jahressumme</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>Gesamtsumme</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>Seite: %1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>Sondertilgung</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>Darlehen</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Laufzeit verkürzen</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Rate senken</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>Monatliche Sondertilgung</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>Ab Rate Nr.</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>Jährliche Sondertilgung</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>Im Monat</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Wirkung der Sondertilgung</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Einmalige Sondertilgungen</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>Rate Nr.</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>Laufzeit (Monate)</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Zinssatz p. a.</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>Erste Rate am</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Tilgungsplan</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>Link kann nicht geöffnet werden: kein Standardbrowser</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>Keine Standardanwendung</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>Zum Schreiben der Arbeitsmappe ist nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>Die Arbeitsmappe konnte nicht im temporären Ordner %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>Der temporäre Ordner %1 kann nicht verwendet werden. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>Darlehen vergleichen</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Vergleich speichern</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Darlehensvergleich</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 ist ein Ordner. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>Der Vergleich konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>Geben Sie drei der Werte Betrag, Monate, Zinssatz p. a. und Monatsrate ein.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>Fett auf Grün: der niedrigste Wert der Zeile.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>&amp;Datum der ersten Rate</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Datum der ersten Rate</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>Darlehen behalten für (Jahre)</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>Darlehen &amp;behalten für</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>Angebot &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>Angebot &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>Vergleich &amp;speichern…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>Eine Rate von %1 deckt die Zinsen von %2 pro Monat nicht</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>Mit dieser Rate dauert die Tilgung länger als %1 Monate</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>Kein Zinssatz von 0 % bis 70 % ergibt diese Rate</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>Diese Konditionen führen zu Beträgen, die der Rechner nicht verarbeiten kann.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>Füllen Sie „Betrag“ oder „Monate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>Füllen Sie „Betrag“ oder „Zinssatz p. a.“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>Füllen Sie „Betrag“ oder „Monatsrate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>Füllen Sie „Monate“ oder „Zinssatz p. a.“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>Füllen Sie „Monate“ oder „Monatsrate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>Füllen Sie „Zinssatz p. a.“ oder „Monatsrate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>Füllen Sie zwei der Felder „Betrag“, „Monate“ und „Zinssatz p. a.“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>Füllen Sie zwei der Felder „Betrag“, „Monate“ und „Monatsrate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Füllen Sie zwei der Felder „Betrag“, „Zinssatz p. a.“ und „Monatsrate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Füllen Sie zwei der Felder „Monate“, „Zinssatz p. a.“ und „Monatsrate“ aus: Nur eines davon kann berechnet werden.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>Sondertilgungen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>Tilgungsplan mit Sondertilgungen</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>Tilgungsplan mit Sondertilgungen</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>&amp;Monatliche Sondertilgung</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>&amp;Ab Rate Nr.</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>&amp;Jährliche Sondertilgung</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>Im Monat</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>&amp;Im Monat</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>&amp;Einmalige Sondertilgungen</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Einmalige Sondertilgungen</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>Rate Nr.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>Fügt eine einmalige Sondertilgung hinzu</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>Entfernt die ausgewählten einmaligen Sondertilgungen</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Wirkung der Sondertilgung</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>&amp;Laufzeit verkürzen</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>&amp;Rate senken</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (und %n weitere Meldung)</numerusform>
            <numerusform>%1 (und %n weitere Meldungen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>Darlehensdiagramm</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pro Jahr gezahlt</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>Darlehensdiagramm</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>Rate %1, %2: Restschuld %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>Rate %1, %2: Restschuld %3 ohne Sondertilgungen</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1: Zinsen %2, Tilgung %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>Restschuld am Jahresende</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>Wählt den Monat</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>Wählt das Jahr</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1, bei Vertragsabschluss, %2: Restschuld %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1, bei Vertragsabschluss, %2: bisherige Kosten %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1, Rate %4, %2: Restschuld %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1, Rate %4, %2: bisherige Kosten %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1, getilgt, %2: Restschuld %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1, getilgt, %2: bisherige Kosten %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Restschuld nach jeder Rate</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>Bisherige Kosten (Zinsen + Gebühren)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>Füllen Sie ein Angebot aus, um sein Diagramm zu sehen.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>Zeigen Sie auf eine Linie, um ihre Werte zu sehen.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Vergleichsdiagramm</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Angebot %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1: getilgt am %2, Gesamtkosten %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Diagramm anzeigen…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>Tilgungsplan %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Tilgungsplan von %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>Vorschauwerkzeuge</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>Tilgungsplan drucken</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>Erste</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Seitenanzahl</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>Seite an die Fensterbreite anpassen</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Ganze Seite anzeigen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>Seiten der Vorschau</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>Menü des Tilgungsplans</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>Tilgungsplan speichern unter…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 ist ein Ordner. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>Tilgungsplan speichern unter</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>Der Tilgungsplan konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Ein Produkt von Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>Darlehensrechner</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Quillmere Darlehensrechner</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Quillmere Darlehensrechner, Version %1. Eine beliebige Taste oder ein Klick auf das Banner führt weiter</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>Ein Klick hier führt weiter zum Darlehensrechner</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Quillmere-Logo</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Das Logo des Herstellers</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>Herstellerangabe</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Produktfamilie</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Öffnet die Homepage des Herstellers im Webbrowser</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Urheberrechtshinweis</translation>
    </message>
    <message>
        <source>Quillmere</source>
        <extracomment>The maker&apos;s name: kept as it is in every language</extracomment>
        <translation>Quillmere</translation>
    </message>
</context>
<context>
    <name>quillmere::frmMain</name>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Quillmere Darlehensrechner</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>Hilfedokumentation</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Monatsrate %1, %n Rate</numerusform>
            <numerusform>Monatsrate %1, %n Raten</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>Darlehen/Schulden</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>Darlehensbetrag:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>Laufzeit (Monate):</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Zinssatz:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>Monatsrate &amp;berechnen</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;Tilgungsplan drucken</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>Ihre gesamte Monatsrate</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>Datum der ersten Rate wählen</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Diagramm anzeigen…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>Sondertilgungen…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>Darlehen vergleichen…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>Angaben zum Darlehen</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>Betrag, Laufzeit und Zinssatz des Darlehens oder der Schuld</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>Der geliehene oder geschuldete Betrag</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>Beschriftung des Darlehensbetrags</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>Laufzeit in Monaten</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>Die Anzahl der Monatsraten</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>Beschriftung der Laufzeit in Monaten</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>Zinssatz in Prozent</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>Der jährliche Zinssatz in Prozent, höchstens 70</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>Beschriftung des Zinssatzes</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>Monatsrate berechnen</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>Berechnet die Monatsrate und füllt den Tilgungsplan</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>Tilgungsplan drucken</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>Druckt den Tilgungsplan</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Monatsrate</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>Die gleichbleibende Monatsrate, schreibgeschützt</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>Beschriftung der Monatsrate</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>Leert die Eingaben, die Monatsrate und den Tilgungsplan</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>Eine Zeile je Monatsrate, mit den Jahressummen und der Gesamtsumme; Ctrl+C kopiert die ausgewählten Zellen oder den ganzen Tilgungsplan für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>Beschriftung des Datums der ersten Rate</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Datum der ersten Rate</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>Das Datum der ersten Monatsrate</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>Berechnet die Monatsrate und den Tilgungsplan eines Darlehens oder einer Schuld</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Öffnet die Homepage des Herstellers im Webbrowser</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>Darlehensdateien (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>Darlehen ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>Darlehen &amp;speichern</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>Darlehen speichern &amp;unter…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>Keine zuletzt geöffneten Darlehen</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Darlehen öffnen</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>Das Darlehen konnte nicht aus %1 geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Darlehen speichern</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>Darlehen speichern unter</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Darlehen</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 ist ein Ordner. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>Das Darlehen konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
</TS>
