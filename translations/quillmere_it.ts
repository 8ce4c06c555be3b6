<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>Inserire un importo non superiore a %1.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>Inserire un importo, ad esempio %1.</translation>
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
        <translation>Uso: %1 [--help] [--version] [FILE]
Calcola la rata mensile e il piano di ammortamento di un prestito.

  FILE        un file di prestito (.qloan) da aprire
  --help      mostra questo aiuto ed esce
  --version   mostra la versione ed esce
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: opzione sconosciuta &apos;%2&apos;
Usare &apos;%1 --help&apos; per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: un solo file di prestito alla volta, non anche &apos;%2&apos;
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1, il valore più basso</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>Il valore più basso tra le offerte</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>Offerta %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Confronto prestiti</translation>
    </message>
</context>
<context>
    <name>ExtraSummary</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A duration: %1 is the years, %2 the months (&quot;8 years 5 months&quot;)</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off in the same month.</source>
        <translation>Interessi risparmiati: %1; prestito estinto nello stesso mese.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>Interessi risparmiati: %1; prestito estinto %2 prima.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (rata %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>Rata mensile dopo il primo rimborso anticipato: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>Rata mensile dopo il primo rimborso anticipato: %1; prima dell&apos;ultima rata: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Con i rimborsi anticipati: estinto il %1 dopo %2 rata; interessi totali %3.</numerusform>
            <numerusform>Con i rimborsi anticipati: estinto il %1 dopo %2 rate; interessi totali %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Senza rimborsi anticipati: estinto il %1 dopo %2 rata; interessi totali %3.</numerusform>
            <numerusform>Senza rimborsi anticipati: estinto il %1 dopo %2 rate; interessi totali %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>Calcolare prima un prestito nella finestra principale.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>In attesa che la finestra principale completi il piano di ammortamento…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>Correggere i campi evidenziati per vedere il piano con i rimborsi anticipati.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>Con questi rimborsi anticipati un importo supera i limiti gestibili dal calcolatore.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 anno</numerusform>
            <numerusform>%1 anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 mese</numerusform>
            <numerusform>%1 mesi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>Valutare un consolidamento dei debiti o chiamare la polizia: la legalità di questo prestito è dubbia</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>Consolidare al più presto!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>Impossibile calcolare questo prestito: i suoi importi superano i limiti gestibili dal calcolatore.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuori dai limiti</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>Nessun piano di ammortamento: calcolare un prestito per vederne il grafico.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>Rata mensile %1; interessi totali %2; estinto il %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Debito residuo dopo ogni rata</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pagato ogni anno</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Interessi</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Debito residuo con rimborsi anticipati</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>Debito residuo senza rimborsi anticipati</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>&quot;%1&quot; deve essere un testo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>&quot;%1&quot; è più lungo di quanto un campo possa contenere.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>&quot;%1&quot; deve essere true o false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; deve essere un numero intero da %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>&quot;%1&quot; deve essere un oggetto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>&quot;%1&quot; deve essere un elenco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>&quot;%1&quot; contiene più di %2 voci.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>&quot;%1&quot; deve essere uno tra %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>Manca &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>&quot;loan.firstPaymentDate&quot; deve essere una data tra 0001-01-01 e 9999-12-31.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>Il file è troncato: termina al carattere %1, a metà dei dati.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>Il file non è un file di prestito: non è in formato JSON (%1 al carattere %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>Il file è troppo grande per essere un file di prestito.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>Il file non è un file di prestito di questo programma.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>Il file è stato scritto da una versione più recente del programma (versione del formato %1); questa versione legge la versione %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 è una cartella, non un file di prestito.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (le spese non sono inferiori all&apos;importo)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>dalla rata %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>dall&apos;inizio</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Rata mensile</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Numero di rate</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Ultima rata</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>Data di estinzione</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Interessi totali</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>Totale delle rate</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Spese</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Costo totale</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>Tasso nominale annuo (con spese)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>TAEG (tasso effettivo con spese)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Interessi pagati nel primo anno</numerusform>
            <numerusform>Interessi pagati nei primi %Ln anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Costo del primo anno</numerusform>
            <numerusform>Costo dei primi %Ln anni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Debito residuo dopo un anno</numerusform>
            <numerusform>Debito residuo dopo %Ln anni</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>Costa meno di %1</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1: costo totale %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1, uguale a %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1, %2 in meno rispetto a %3</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1, %2 in più rispetto a %3</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Tasso annuo (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Rata mensile</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Spese</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Offerta %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>Usa nella finestra principale</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>Mostra piano</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>Nome dell&apos;offerta %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>Usa %1 nella finestra principale</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>Mostra il piano di ammortamento di %1</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>valore calcolato</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>Inserire un importo maggiore di 0.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>Le spese non possono essere negative.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>Inserire un numero intero di mesi da %1 a %2.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>Inserire un tasso da %1 a %2.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>Un rimborso anticipato non può essere negativo.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>Inserire un numero di rata da %1 a %2.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>Impossibile impaginare il prospetto.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>Impossibile stampare il piano di ammortamento.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>Impossibile stampare il piano di ammortamento in %1.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>Stampa piano di ammortamento</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>Anteprima di stampa del piano di ammortamento</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>Impossibile configurare la stampante.</translation>
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
        <translation>La stampante non è riuscita ad avviare il lavoro di stampa.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>La stampante non è riuscita a completare il lavoro di stampa.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>La stampante non è riuscita a iniziare un nuovo foglio.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>Nessuna delle pagine scelte è presente nel prospetto.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV per fogli di calcolo (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV come visualizzato (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Piano di ammortamento</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>N. rata</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>Interessi</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>Residuo</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>Note</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>Totale anno</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>Totale</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>N. rata</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Interessi</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>Debito residuo</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>Piano di ammortamento</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>Pagina: %1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>Rimborso anticipato</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>Prestito</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Riduci la durata</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Riduci la rata</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>Rimborso anticipato mensile</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>A partire dalla rata</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>Rimborso anticipato annuale</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>Nel mese</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Effetto del rimborso anticipato</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Rimborsi anticipati una tantum</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>Mesi</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Tasso annuo</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>Prima rata</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Rata mensile</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Interessi totali</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Piano di ammortamento</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>Impossibile aprire il collegamento: nessun browser predefinito</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>Nessuna applicazione predefinita</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>Memoria insufficiente per scrivere la cartella di lavoro.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>Impossibile scrivere la cartella di lavoro nella cartella temporanea %1: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>Impossibile usare la cartella temporanea %1. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>Confronta prestiti</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Salva confronto</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Confronto prestiti</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 è una cartella. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>Impossibile salvare il confronto in %1.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>Inserire tre valori tra importo, mesi, tasso annuo e rata mensile.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>Grassetto su verde: il valore più basso della riga.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>&amp;Data della prima rata</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Data della prima rata</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>Anni per cui si mantiene il prestito</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>&amp;Mantieni il prestito per</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anni</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>&amp;Aggiungi offerta</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>&amp;Rimuovi offerta</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>&amp;Salva confronto…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>Una rata di %1 non copre gli interessi di %2 al mese</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>Con questa rata servono più di %1 mesi per rimborsare il prestito</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>Nessun tasso tra 0 % e 70 % dà questa rata</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>Queste condizioni portano a importi oltre i limiti gestibili dal calcolatore.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>Compilare l'importo o i mesi: solo uno dei due può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>Compilare l'importo o il tasso annuo: solo uno dei due può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>Compilare l'importo o la rata mensile: solo uno dei due può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>Compilare i mesi o il tasso annuo: solo uno dei due può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>Compilare i mesi o la rata mensile: solo uno dei due può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>Compilare il tasso annuo o la rata mensile: solo uno dei due può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>Compilare due tra l'importo, i mesi e il tasso annuo: solo uno di essi può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>Compilare due tra l'importo, i mesi e la rata mensile: solo uno di essi può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Compilare due tra l'importo, il tasso annuo e la rata mensile: solo uno di essi può essere calcolato.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Compilare due tra i mesi, il tasso annuo e la rata mensile: solo uno di essi può essere calcolato.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>Rimborsi anticipati</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>Piano con rimborsi anticipati</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>Piano di ammortamento con rimborsi anticipati</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>Rimborso anticipato &amp;mensile</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>A &amp;partire dalla rata</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>Rimborso anticipato &amp;annuale</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>Nel mese</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>Nel m&amp;ese</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>Rimborsi anticipati &amp;una tantum</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Rimborsi anticipati una tantum</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>Aggiunge un rimborso anticipato una tantum</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>Rimuove i rimborsi anticipati una tantum selezionati</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Effetto del rimborso anticipato</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>Riduci la &amp;durata</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>Riduci la ra&amp;ta</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (e un altro)</numerusform>
            <numerusform>%1 (e altri %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>Grafico del prestito</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pagato ogni anno</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>Grafico del prestito</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>Rata %1, %2: debito residuo %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>Rata %1, %2: debito residuo %3 senza rimborsi anticipati</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1: interessi %2, capitale %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Interessi</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>Debito residuo a fine anno</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>Sceglie il mese</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>Sceglie l&apos;anno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1, alla firma, %2: debito residuo %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1, alla firma, %2: costo finora %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1, rata %4, %2: debito residuo %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1, rata %4, %2: costo finora %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1, estinto il %2: debito residuo %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1, estinto il %2: costo finora %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Debito residuo dopo ogni rata</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>Costo finora (interessi + spese)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>Compilare un&apos;offerta per vederne il grafico.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>Puntare una linea per vederne i valori.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Grafico di confronto</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Offerta %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1: estinto il %2, costo totale %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Piano di ammortamento</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Mostra grafico…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>Piano di ammortamento – %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Piano di ammortamento di %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>Strumenti dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>Stampa il piano di ammortamento</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>Prima</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numero di pagina</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>di %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Numero di pagine</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Adatta larghezza</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>Adatta la pagina alla larghezza</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Pagina intera</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Mostra la pagina intera</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumenta zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumenta lo zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci zoom</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci lo zoom</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>Pagine dell&apos;anteprima</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Piano di ammortamento</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>Menu del piano di ammortamento</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>Salva piano con nome…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Anteprima di stampa…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 è una cartella. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>Salva piano con nome</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>Impossibile salvare il piano di ammortamento in %1.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Realizzato da Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>Calcolatore prestiti</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visita il sito</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. Licenza MIT.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Calcolatore prestiti Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Calcolatore prestiti Quillmere, versione %1. Premere un tasto o fare clic sul banner per continuare</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>Fare clic qui per passare al calcolatore prestiti</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Logo Quillmere</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Il logo del produttore</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>Attribuzione</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Famiglia di prodotti</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Nome del prodotto</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Apre il sito del produttore nel browser web</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Nota sul copyright</translation>
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
        <translation>Calcolatore prestiti Quillmere</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>Dillo a un amico</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visita il sito</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>Guida in linea</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Rata mensile %1, %n rata</numerusform>
            <numerusform>Rata mensile %1, %n rate</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>Dati prestito/debito</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>Capitale:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>Durata in mesi:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Tasso d&apos;interesse:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>&amp;Calcola la rata</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;Stampa piano di ammortamento</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>La rata mensile totale</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>Data della prima rata</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Mostra grafico…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>Rimborsi anticipati…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>Confronta prestiti…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>Dati del prestito</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>Importo, durata e tasso d&apos;interesse del prestito o del debito</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>L&apos;importo preso in prestito o dovuto</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>Etichetta del capitale</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>Durata in mesi</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>Il numero di rate mensili</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>Etichetta della durata in mesi</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>Tasso d&apos;interesse in percentuale</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>Il tasso d&apos;interesse annuo in percentuale, al massimo 70</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>Etichetta del tasso d&apos;interesse</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>Calcola la rata</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>Calcola la rata mensile e compila il piano di ammortamento</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>Stampa piano di ammortamento</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>Stampa il piano di ammortamento</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Rata mensile</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>La rata mensile costante, sola lettura</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>Etichetta della rata mensile</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>Svuota i dati inseriti, la rata e il piano di ammortamento</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>Piano di ammortamento</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>Una riga per ogni rata mensile, con i totali di ogni anno e il totale complessivo; Ctrl+C copia le celle selezionate, o l&apos;intero piano, per un foglio di calcolo</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>Etichetta della data della prima rata</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Data della prima rata</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>La data della prima rata mensile</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>Calcola la rata mensile e il piano di ammortamento di un prestito o di un debito</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Apre il sito del produttore nel browser web</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>File di prestito (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>&amp;Apri prestito…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>&amp;Salva prestito</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>Salva prestito &amp;con nome…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>Nessun prestito recente</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Svuota elenco</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Apri prestito</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>Impossibile aprire il prestito da %1.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Salva prestito</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>Salva prestito con nome</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prestito</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 è una cartella. Scegliere un altro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>Impossibile salvare il prestito in %1.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
</context>
</TS>
