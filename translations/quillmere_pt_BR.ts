<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>Digite um valor de no máximo %1.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>Digite um valor como %1.</translation>
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
        <translation>Uso: %1 [--help] [--version] [ARQUIVO]
Calcula a parcela mensal e a tabela de amortização de um empréstimo.

  ARQUIVO     um arquivo de empréstimo (.qloan) a abrir
  --help      mostra esta ajuda e sai
  --version   mostra a versão e sai
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: opção desconhecida &apos;%2&apos;
Use &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: um arquivo de empréstimo por vez; &apos;%2&apos; não pode ser aberto junto
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1, o menor</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>O menor valor entre as ofertas</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>Oferta %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Comparação de empréstimos</translation>
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
        <translation>Juros economizados: %1; quitação no mesmo mês.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>Juros economizados: %1; quitação %2 antes.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (parcela %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>Parcela mensal após a primeira amortização extra: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>Parcela mensal após a primeira amortização extra: %1; antes da última parcela: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Com extras: quitação em %1 após %2 parcela; juros totais de %3.</numerusform>
            <numerusform>Com extras: quitação em %1 após %2 parcelas; juros totais de %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Sem extras: quitação em %1 após %2 parcela; juros totais de %3.</numerusform>
            <numerusform>Sem extras: quitação em %1 após %2 parcelas; juros totais de %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>Primeiro calcule um empréstimo na janela principal.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>Aguardando a janela principal concluir a tabela de amortização…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>Corrija os campos marcados para ver a tabela de amortização com as amortizações extras.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>Essas amortizações extras geram um valor além do que a calculadora suporta.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 ano</numerusform>
            <numerusform>%1 anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 mês</numerusform>
            <numerusform>%1 meses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>Considere consolidar o empréstimo ou chame a polícia: a legalidade deste empréstimo é questionável</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>Consolide o quanto antes!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>Não é possível calcular este empréstimo: os valores estão além do limite que a calculadora suporta.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fora do limite</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>Ainda não há tabela de amortização: calcule um empréstimo para ver o gráfico.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>Parcela mensal %1; juros totais %2; quitação em %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Saldo devedor após cada parcela</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pago por ano</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Saldo devedor com extras</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>Saldo devedor sem extras</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>&quot;%1&quot; deve ser um texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>&quot;%1&quot; é mais longo do que qualquer campo comporta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>&quot;%1&quot; deve ser true ou false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>&quot;%1&quot; deve ser um número inteiro de %2 a %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>&quot;%1&quot; deve ser um objeto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>&quot;%1&quot; deve ser uma lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>&quot;%1&quot; contém mais de %2 itens.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>&quot;%1&quot; deve ter um destes valores: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>&quot;%1&quot; está ausente.</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>&quot;loan.firstPaymentDate&quot; deve ser uma data de 0001-01-01 a 9999-12-31.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>O arquivo está incompleto: termina no caractere %1, no meio dos dados.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>O arquivo não é um arquivo de empréstimo: não é JSON (%1 no caractere %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>O arquivo é grande demais para ser um arquivo de empréstimo.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>O arquivo não é um arquivo de empréstimo deste programa.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>O arquivo foi gravado por uma versão mais recente do programa (versão de formato %1); esta versão lê a versão %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>Não é possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 é uma pasta, não um arquivo de empréstimo.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (as tarifas não são menores que o valor)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>a parcela %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>o início</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Parcela mensal</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Número de parcelas</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Última parcela</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>Data de quitação</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Juros totais</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>Total das parcelas</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Tarifas</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Custo total</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>CET nominal anual (com tarifas)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>CET efetivo anual (com tarifas)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Juros pagos no primeiro ano</numerusform>
            <numerusform>Juros pagos nos primeiros %Ln anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Custo do primeiro ano</numerusform>
            <numerusform>Custo dos primeiros %Ln anos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Saldo devedor após %Ln ano</numerusform>
            <numerusform>Saldo devedor após %Ln anos</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>Custa menos que %1 desde</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1: custo total %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1, o mesmo que %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1, %2 a menos que %3</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1, %2 a mais que %3</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Taxa anual (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Parcela mensal</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Tarifas</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Oferta %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>Usar na janela principal</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>Mostrar tabela</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>Nome da oferta %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>Usar %1 na janela principal</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>Mostrar tabela de amortização de %1</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>calculado</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>Digite um valor maior que 0.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>As tarifas não podem ser negativas.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>Digite um número inteiro de meses de %1 a %2.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>Digite uma taxa de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>Uma amortização extra não pode ser negativa.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>Digite um número de parcela de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>Não foi possível montar o relatório.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>Não foi possível imprimir a tabela de amortização.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>Não foi possível imprimir a tabela de amortização em %1.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>Imprimir tabela de amortização</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>Visualização de impressão da tabela de amortização</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>Não foi possível configurar a impressora.</translation>
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
        <translation>A impressora não conseguiu iniciar o trabalho.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>A impressora não conseguiu concluir o trabalho.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>A impressora não conseguiu iniciar uma nova folha.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>Nenhuma das páginas escolhidas está no relatório.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Pasta de trabalho do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para planilhas (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV como exibido (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tabela de amortização do empréstimo</translation>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>Totais do ano</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>Totais</translation>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>Novo saldo</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>Tabela de amortização do empréstimo</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>Página: %1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>Extra</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>Tabela de amortização</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>Empréstimo</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Reduzir o prazo</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Reduzir a parcela</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>Extra mensal</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>A partir da parcela</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>Extra anual</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>No mês</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Efeito da amortização extra</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Amortizações extras pontuais</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>Valor principal</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Taxa anual</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>Primeira parcela</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Parcela mensal</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Juros totais</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Tabela de amortização do empréstimo</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>Não é possível abrir o link: não há navegador padrão</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>Nenhum aplicativo padrão</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>Não há memória suficiente para gravar a pasta de trabalho.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>Não foi possível gravar a pasta de trabalho na pasta temporária %1: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>Não é possível usar a pasta temporária %1. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>Comparar empréstimos</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Salvar comparação</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Pasta de trabalho do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Comparação de empréstimos</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 é uma pasta. Escolha outro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>Não foi possível salvar a comparação em %1.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>Digite três destes: o valor, os meses, a taxa anual e a parcela mensal.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>Negrito sobre verde: o menor valor da linha.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>&amp;Data da primeira parcela</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Data da primeira parcela</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>Manter o empréstimo por (anos)</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>&amp;Manter o empréstimo por</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anos</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>&amp;Adicionar oferta</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>&amp;Remover oferta</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>&amp;Salvar comparação…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>Uma parcela de %1 não cobre os juros de %2 ao mês</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>Com esta parcela, a quitação do empréstimo leva mais de %1 meses</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>Nenhuma taxa de 0% a 70% resulta nesta parcela</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>Essas condições geram valores além do que a calculadora suporta.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>Preencha o valor ou os meses: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>Preencha o valor ou a taxa anual: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>Preencha o valor ou a parcela mensal: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>Preencha os meses ou a taxa anual: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>Preencha os meses ou a parcela mensal: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>Preencha a taxa anual ou a parcela mensal: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>Preencha dois entre o valor, os meses e a taxa anual: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>Preencha dois entre o valor, os meses e a parcela mensal: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Preencha dois entre o valor, a taxa anual e a parcela mensal: só um deles pode ser calculado.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Preencha dois entre os meses, a taxa anual e a parcela mensal: só um deles pode ser calculado.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>Amortizações extras</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>Tabela de amortização com amortizações extras</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>Tabela de amortização do empréstimo com amortizações extras</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>Extra &amp;mensal</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>A partir da parc&amp;ela</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>Extra an&amp;ual</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>No mês</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>&amp;No mês</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>Amortizações extras pon&amp;tuais</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Amortizações extras pontuais</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>Adiciona uma amortização extra pontual</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>Remove as amortizações extras pontuais selecionadas</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Efeito da amortização extra</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>Reduzir o &amp;prazo</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>Reduzir a par&amp;cela</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (e mais %n)</numerusform>
            <numerusform>%1 (e mais %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>Gráfico do empréstimo</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pago por ano</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>Gráfico do empréstimo</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>Parcela %1, %2: saldo %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>Parcela %1, %2: saldo %3 sem extras</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1: juros %2, amortização %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>Saldo no fim do ano</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>Escolhe o mês</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>Escolhe o ano</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1, na assinatura, %2: saldo %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1, na assinatura, %2: custo acumulado %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1, parcela %4, %2: saldo %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1, parcela %4, %2: custo acumulado %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1, quitação em %2: saldo %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1, quitação em %2: custo acumulado %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Saldo devedor após cada parcela</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>Custo acumulado (juros + tarifas)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>Preencha uma oferta para ver o gráfico.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>Aponte para uma linha para ver os valores.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Gráfico de comparação</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Oferta %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1: quitação em %2, custo total %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tabela de amortização do empréstimo</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Mostrar gráfico…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>Tabela de %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Tabela de amortização de %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>Ferramentas de visualização</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>Imprimir a tabela de amortização</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primeira página</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número da página</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Total de páginas</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>Última</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>Ajustar a página à largura</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Página inteira</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Mostrar a página inteira</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumentar o zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Diminuir o zoom</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>Páginas da visualização</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Tabela de amortização do empréstimo</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>Menu da tabela</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>Salvar tabela como…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Visualizar impressão…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 é uma pasta. Escolha outro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>Salvar tabela como</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>Não foi possível salvar a tabela de amortização em %1.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Feito por Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>Calculadora de empréstimos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. Licença MIT.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Calculadora de Empréstimos Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Calculadora de Empréstimos Quillmere, versão %1. Pressione qualquer tecla ou clique no banner para continuar</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>Clique aqui para ir à calculadora de empréstimos</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Logotipo da Quillmere</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>O logotipo do fabricante</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>Autoria</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Família de produtos</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Nome do produto</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Abre o site do fabricante no navegador</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Aviso de direitos autorais</translation>
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
        <translation>Calculadora de Empréstimos Quillmere</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>Conte a um amigo</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>Manual de ajuda</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Parcela mensal de %1, em %n parcela</numerusform>
            <numerusform>Parcela mensal de %1, em %n parcelas</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>Empréstimo ou dívida</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>Valor principal:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>Prazo em meses:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Taxa de juros:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>&amp;Calcular minha parcela</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;Imprimir tabela</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>Sua parcela mensal total</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>Data da primeira parcela</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Mostrar gráfico…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>Amortizações extras…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>Comparar empréstimos…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>Dados do empréstimo</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>O valor, o prazo e a taxa de juros do empréstimo ou da dívida</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>Valor principal</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>O valor emprestado ou devido</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>Rótulo do valor principal</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>Prazo em meses</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>O número de parcelas mensais</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>Rótulo do prazo em meses</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>Taxa de juros em porcentagem</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>A taxa de juros anual em porcentagem, no máximo 70</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>Rótulo da taxa de juros</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>Calcular minha parcela</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>Calcula a parcela mensal e preenche a tabela de amortização</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>Imprimir tabela de amortização</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>Imprime a tabela de amortização</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Parcela mensal</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>A parcela mensal fixa, somente leitura</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>Rótulo da parcela mensal</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>Apaga os campos, a parcela e a tabela de amortização</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>Tabela de amortização</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>Uma linha para cada parcela mensal, com os totais de cada ano e os totais gerais; Ctrl+C copia as células selecionadas, ou a tabela inteira, para uma planilha</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>Rótulo da data da primeira parcela</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Data da primeira parcela</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>A data da primeira parcela mensal</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>Calcula a parcela mensal e a tabela de amortização de um empréstimo ou dívida</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Abre o site do fabricante no navegador</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>Arquivos de empréstimo (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>&amp;Abrir empréstimo…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>&amp;Salvar empréstimo</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>Salvar empréstimo &amp;como…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>Nenhum empréstimo recente</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Limpar recentes</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Abrir empréstimo</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>Não foi possível abrir o empréstimo de %1.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Salvar empréstimo</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>Salvar empréstimo como</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Empréstimo</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 é uma pasta. Escolha outro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>Não foi possível salvar o empréstimo em %1.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
</context>
</TS>
