<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>Saisissez un montant inférieur ou égal à %1.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>Saisissez un montant, par exemple %1.</translation>
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
        <translation>Utilisation&#xa0;: %1 [--help] [--version] [FICHIER]
Calcule la mensualité et le tableau d&apos;amortissement d&apos;un prêt.

  FICHIER     un fichier de prêt (.qloan) à ouvrir
  --help      afficher cette aide et quitter
  --version   afficher la version et quitter
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: option inconnue «&#xa0;%2&#xa0;»
Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1&#xa0;: un seul fichier de prêt à la fois&#xa0;; «&#xa0;%2&#xa0;» est en trop
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1, le plus bas</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>La valeur la plus basse parmi les offres</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>Offre %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Comparaison de prêts</translation>
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
        <translation>Intérêts économisés&#xa0;: %1&#xa0;; prêt remboursé le même mois.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>Intérêts économisés&#xa0;: %1&#xa0;; prêt remboursé %2 plus tôt.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (échéance %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>Mensualité après le premier remboursement anticipé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>Mensualité après le premier remboursement anticipé&#xa0;: %1&#xa0;; avant la dernière échéance&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Avec remboursements anticipés&#xa0;: prêt remboursé le %1 après %2 échéance&#xa0;; total des intérêts&#xa0;: %3.</numerusform>
            <numerusform>Avec remboursements anticipés&#xa0;: prêt remboursé le %1 après %2 échéances&#xa0;; total des intérêts&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Sans remboursements anticipés&#xa0;: prêt remboursé le %1 après %2 échéance&#xa0;; total des intérêts&#xa0;: %3.</numerusform>
            <numerusform>Sans remboursements anticipés&#xa0;: prêt remboursé le %1 après %2 échéances&#xa0;; total des intérêts&#xa0;: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>Calculez d&apos;abord un prêt dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>En attente du tableau d&apos;amortissement de la fenêtre principale…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>Corrigez les champs signalés pour voir le tableau d&apos;amortissement avec remboursements anticipés.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>Ces remboursements anticipés mènent à un montant trop grand pour la calculatrice.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 an</numerusform>
            <numerusform>%1 ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 mois</numerusform>
            <numerusform>%1 mois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>Envisagez un rachat de crédits ou appelez la police&#xa0;: la légalité de ce prêt est douteuse</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>Regroupez vos crédits au plus vite&#xa0;!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>Ce prêt ne peut pas être calculé&#xa0;: ses montants dépassent ce que la calculatrice peut traiter.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Hors limites</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>Pas encore de tableau d&apos;amortissement&#xa0;: calculez un prêt pour voir son graphique.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>Mensualité&#xa0;: %1&#xa0;; total des intérêts&#xa0;: %2&#xa0;; prêt remboursé le %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Capital restant dû après chaque échéance</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Payé chaque année</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Restant dû avec remboursements anticipés</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>Restant dû sans remboursements anticipés</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>«&#xa0;%1&#xa0;» doit être du texte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>«&#xa0;%1&#xa0;» est plus long que ce qu&apos;un champ peut contenir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>«&#xa0;%1&#xa0;» doit valoir true ou false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>«&#xa0;%1&#xa0;» doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>«&#xa0;%1&#xa0;» doit être un objet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>«&#xa0;%1&#xa0;» doit être une liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>«&#xa0;%1&#xa0;» contient plus de %2 éléments.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>«&#xa0;%1&#xa0;» doit valoir l&apos;une des valeurs suivantes&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>«&#xa0;%1&#xa0;» est manquant.</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>«&#xa0;loan.firstPaymentDate&#xa0;» doit être une date du 0001-01-01 au 9999-12-31.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>Le fichier est tronqué&#xa0;: il s&apos;arrête au caractère %1, au milieu de ses données.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>Ce fichier n&apos;est pas un fichier de prêt&#xa0;: ce n&apos;est pas du JSON (%1 au caractère %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>Le fichier est trop volumineux pour être un fichier de prêt.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>Ce fichier n&apos;est pas un fichier de prêt de ce programme.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>Le fichier a été écrit par une version plus récente du programme (version de format %1)&#xa0;; cette version lit la version %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 est un dossier, pas un fichier de prêt.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (les frais ne sont pas inférieurs au montant)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>l&apos;échéance %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>dès le début</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Nombre d&apos;échéances</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Dernière échéance</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>Date de fin du prêt</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>Total des échéances</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>TAEG (frais inclus)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>Taux annuel actuariel (frais inclus)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Intérêts payés la première année</numerusform>
            <numerusform>Intérêts payés les %Ln premières années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Coût de la première année</numerusform>
            <numerusform>Coût des %Ln premières années</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Capital restant dû après %Ln an</numerusform>
            <numerusform>Capital restant dû après %Ln ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>Coût inférieur à %1 dès</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1&#xa0;: coût total %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1, autant que %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1, %2 de moins que %3</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1, %2 de plus que %3</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Taux annuel (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Offre %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>Utiliser dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>Afficher le tableau</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>Nom de l&apos;offre %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>Utiliser %1 dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>Afficher le tableau d&apos;amortissement (%1)</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>valeur calculée</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>Saisissez un montant supérieur à 0.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>Les frais ne peuvent pas être négatifs.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>Saisissez un nombre entier de mois de %1 à %2.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>Saisissez un taux de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>Un remboursement anticipé ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>Saisissez un numéro d&apos;échéance de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>Le rapport n&apos;a pas pu être mis en page.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>Le tableau d&apos;amortissement n&apos;a pas pu être imprimé.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>Le tableau d&apos;amortissement n&apos;a pas pu être imprimé dans %1.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>Imprimer le tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>Aperçu avant impression du tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être configurée.</translation>
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
        <translation>L&apos;imprimante n&apos;a pas pu démarrer la tâche d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer la tâche d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer une nouvelle feuille.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>Aucune des pages choisies ne fait partie du rapport.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV tel qu&apos;affiché (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tableau d&apos;amortissement du prêt</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>Capital amorti</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>Restant dû</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>Total annuel</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>Total général</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Capital amorti</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>Restant dû</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>Tableau d&apos;amortissement du prêt</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>Page&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>Remboursement anticipé</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Réduire la durée</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Baisser la mensualité</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>Remboursement anticipé mensuel</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>À partir de l&apos;échéance</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>Remboursement anticipé annuel</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>Au mois de</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Effet du remboursement anticipé</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Remboursements anticipés ponctuels</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>Capital emprunté</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>Durée (mois)</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Taux annuel</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>Première échéance</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Tableau d&apos;amortissement du prêt</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>Impossible d&apos;ouvrir le lien&#xa0;: aucun navigateur par défaut</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>Aucune application par défaut</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>La mémoire est insuffisante pour écrire le classeur.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>Le classeur n&apos;a pas pu être écrit dans le dossier temporaire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>Le dossier temporaire %1 ne peut pas être utilisé. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>Comparer des prêts</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Enregistrer la comparaison</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Comparaison de prêts</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 est un dossier. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>La comparaison n&apos;a pas pu être enregistrée dans %1.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>Saisissez trois valeurs parmi le montant, le nombre de mois, le taux annuel et la mensualité.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>Gras sur fond vert&#xa0;: la valeur la plus basse de la ligne.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>Date de la &amp;première échéance</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Date de la première échéance</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>Conserver le prêt pendant (années)</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>&amp;Conserver le prêt pendant</translation>
    </message>
    <message>
        <source>years</source>
        <translation>ans</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>&amp;Ajouter une offre</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>Supp&amp;rimer l&apos;offre</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>&amp;Enregistrer la comparaison…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>Une mensualité de %1 ne couvre pas les intérêts de %2 par mois</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>Avec cette mensualité, le remboursement du prêt prend plus de %1 mois</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>Aucun taux de 0&#xa0;% à 70&#xa0;% ne donne cette mensualité</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>Ces conditions mènent à des montants trop grands pour la calculatrice.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>Renseignez le montant ou le nombre de mois : une seule de ces valeurs peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>Renseignez le montant ou le taux annuel : une seule de ces valeurs peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>Renseignez le montant ou la mensualité : une seule de ces valeurs peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>Renseignez le nombre de mois ou le taux annuel : une seule de ces valeurs peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>Renseignez le nombre de mois ou la mensualité : une seule de ces valeurs peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>Renseignez le taux annuel ou la mensualité : une seule de ces valeurs peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>Renseignez deux valeurs parmi le montant, le nombre de mois et le taux annuel : une seule peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>Renseignez deux valeurs parmi le montant, le nombre de mois et la mensualité : une seule peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Renseignez deux valeurs parmi le montant, le taux annuel et la mensualité : une seule peut être calculée.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Renseignez deux valeurs parmi le nombre de mois, le taux annuel et la mensualité : une seule peut être calculée.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>Remboursements anticipés</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>Tableau d&apos;amortissement avec remboursements anticipés</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>Tableau d&apos;amortissement du prêt avec remboursements anticipés</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>Remboursement anticipé &amp;mensuel</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>À &amp;partir de l&apos;échéance</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>Remboursement anticipé &amp;annuel</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>Au mois de</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>Au m&amp;ois de</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>Remboursements anticipés ponc&amp;tuels</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Remboursements anticipés ponctuels</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>Ajoute un remboursement anticipé ponctuel</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>Supprime les remboursements anticipés ponctuels sélectionnés</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Effet du remboursement anticipé</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>Réduire la &amp;durée</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>&amp;Baisser la mensualité</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (et %n autre)</numerusform>
            <numerusform>%1 (et %n autres)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>Graphique du prêt</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Payé chaque année</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>Graphique du prêt</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>Échéance %1, %2&#xa0;: restant dû %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>Échéance %1, %2&#xa0;: restant dû %3 sans remboursements anticipés</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1&#xa0;: intérêts %2, capital %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>Restant dû en fin d&apos;année</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>Choisit le mois</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>Choisit l&apos;année</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1, à la signature, %2&#xa0;: restant dû %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1, à la signature, %2&#xa0;: coût cumulé %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1, échéance %4, %2&#xa0;: restant dû %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1, échéance %4, %2&#xa0;: coût cumulé %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1, prêt remboursé, %2&#xa0;: restant dû %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1, prêt remboursé, %2&#xa0;: coût cumulé %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Capital restant dû après chaque échéance</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>Coût cumulé (intérêts + frais)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>Renseignez une offre pour voir son graphique.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>Pointez une courbe pour voir ses valeurs.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Graphique de comparaison</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Offre %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1&#xa0;: prêt remboursé le %2, coût total %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tableau d&apos;amortissement du prêt</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Afficher le graphique…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>Tableau d&apos;amortissement – %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Tableau d&apos;amortissement&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>Outils de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>Imprimer le tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>Première</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Nombre de pages</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>Ajuster la page à la largeur</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Afficher la page entière</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>Pages de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tableau d&apos;amortissement du prêt</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>Menu du tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>Enregistrer le tableau d&apos;amortissement sous…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Aperçu avant impression…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 est un dossier. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>Enregistrer le tableau d&apos;amortissement sous</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>Le tableau d&apos;amortissement n&apos;a pas pu être enregistré dans %1.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Conçu par Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>Calculatrice de prêt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visiter le site</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. Licence MIT.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Calculatrice de prêt Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Calculatrice de prêt Quillmere, version %1. Appuyez sur une touche ou cliquez sur la bannière pour continuer</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Bannière</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>Cliquez ici pour passer à la calculatrice de prêt</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Logo de Quillmere</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Le logo de l&apos;éditeur</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>Attribution</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Gamme de produits</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Nom du produit</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Ouvre le site de l&apos;éditeur dans le navigateur Web</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Mention des droits d&apos;auteur</translation>
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
        <translation>Calculatrice de prêt Quillmere</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>Recommander</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visiter le site</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Votre avis</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Mensualité %1, %n échéance</numerusform>
            <numerusform>Mensualité %1, %n échéances</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>Détails du prêt/dette</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>Capital emprunté&#xa0;:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>Durée en mois&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taux d&apos;intérêt&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>&amp;Calculer ma mensualité</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;Imprimer le tableau</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>Votre mensualité totale</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>Date de la première échéance</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Afficher le graphique…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>Remboursements anticipés…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>Comparer des prêts…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>Détails du prêt</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>Le montant, la durée et le taux d&apos;intérêt du prêt ou de la dette</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>Capital emprunté</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>Le montant emprunté ou dû</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>Libellé du capital emprunté</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>Durée en mois</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>Le nombre de mensualités</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>Libellé de la durée en mois</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>Taux d&apos;intérêt en pourcentage</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>Le taux d&apos;intérêt annuel en pourcentage, 70 au maximum</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>Libellé du taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>Calculer ma mensualité</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>Calcule la mensualité et remplit le tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>Imprimer le tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>Imprime le tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Mensualité</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>La mensualité constante, en lecture seule</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>Libellé de la mensualité</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>Vide les champs, la mensualité et le tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>Une ligne par mensualité, avec les totaux annuels et le total général&#xa0;; Ctrl+C copie les cellules sélectionnées, ou tout le tableau, pour un tableur</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>Libellé de la date de première échéance</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Date de la première échéance</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>La date de la première mensualité</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>Calcule la mensualité et le tableau d&apos;amortissement d&apos;un prêt ou d&apos;une dette</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Ouvre le site de l&apos;éditeur dans le navigateur Web</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>Fichiers de prêt (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>&amp;Ouvrir un prêt…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un prêt &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>&amp;Enregistrer le prêt</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>Enregistrer le prêt &amp;sous…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>Aucun prêt récent</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Ouvrir un prêt</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>Le prêt n&apos;a pas pu être ouvert depuis %1.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Enregistrer le prêt</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>Enregistrer le prêt sous</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 est un dossier. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>Le prêt n&apos;a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
</context>
</TS>
