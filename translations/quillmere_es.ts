<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>Escriba un importe de %1 como máximo.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>Escriba un importe como %1.</translation>
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
        <translation>Uso: %1 [--help] [--version] [ARCHIVO]
Calcula la cuota mensual y el cuadro de amortización de un préstamo.

  ARCHIVO     un archivo de préstamo (.qloan) que abrir
  --help      muestra esta ayuda y sale
  --version   muestra la versión y sale
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: opción desconocida &apos;%2&apos;
Pruebe &apos;%1 --help&apos; para más información.
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: solo se abre un archivo de préstamo a la vez, no también &apos;%2&apos;
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1, el valor más bajo</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>El valor más bajo de todas las ofertas</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>Oferta %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Comparación de préstamos</translation>
    </message>
</context>
<context>
    <name>ExtraSummary</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A duration: %1 is the years, %2 the months (&quot;8 years 5 months&quot;)</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off in the same month.</source>
        <translation>Intereses ahorrados: %1; se liquida en el mismo mes.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>Intereses ahorrados: %1; se liquida %2 antes.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (cuota %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>Cuota mensual tras el primer pago extra: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>Cuota mensual tras el primer pago extra: %1; antes de la última cuota: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Con pagos extra: liquidado el %1 tras %2 cuota; intereses totales %3.</numerusform>
            <numerusform>Con pagos extra: liquidado el %1 tras %2 cuotas; intereses totales %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Sin pagos extra: liquidado el %1 tras %2 cuota; intereses totales %3.</numerusform>
            <numerusform>Sin pagos extra: liquidado el %1 tras %2 cuotas; intereses totales %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>Calcule primero un préstamo en la ventana principal.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>Esperando a que la ventana principal termine su cuadro de amortización…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>Corrija los campos marcados para ver el cuadro de amortización con pagos extra.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>Estos pagos extra llevan a un importe mayor del que la calculadora puede manejar.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 año</numerusform>
            <numerusform>%1 años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 mes</numerusform>
            <numerusform>%1 meses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>Considere consolidar el préstamo o llame a la policía: la legalidad de este préstamo está en entredicho</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>¡Consolide cuanto antes!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>No se puede calcular este préstamo: sus importes superan el rango que admite la calculadora.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuera de rango</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>Aún no hay cuadro de amortización: calcule un préstamo para ver su gráfico.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>Cuota mensual %1; intereses totales %2; liquidado el %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Saldo pendiente tras cada cuota</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pagado cada año</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Saldo con pagos extra</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>Saldo sin pagos extra</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>«%1» debe ser texto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>«%1» es más largo de lo que admite cualquier campo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>«%1» debe ser true o false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>«%1» debe ser un número entero entre %2 y %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>«%1» debe ser un objeto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>«%1» debe ser una lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>«%1» contiene más de %2 elementos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>«%1» debe ser uno de estos valores: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>Falta «%1».</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>«loan.firstPaymentDate» debe ser una fecha entre 0001-01-01 y 9999-12-31.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>El archivo está incompleto: termina en el carácter %1, en mitad de sus datos.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>El archivo no es un archivo de préstamo: no es JSON (%1 en el carácter %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>El archivo es demasiado grande para ser un archivo de préstamo.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>El archivo no es un archivo de préstamo de este programa.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>El archivo se escribió con una versión posterior del programa (versión de formato %1); esta versión lee la versión %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 es una carpeta, no un archivo de préstamo.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (las comisiones no son inferiores al importe)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>cuota %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>el inicio</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Cuota mensual</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Número de cuotas</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Última cuota</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>Fecha de liquidación</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Intereses totales</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>Suma de las cuotas</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Comisiones</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Coste total</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>Tasa nominal anual (con comisiones)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>TAE (con comisiones)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Intereses pagados en el primer año</numerusform>
            <numerusform>Intereses pagados en los primeros %Ln años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Coste del primer año</numerusform>
            <numerusform>Coste de los primeros %Ln años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Saldo pendiente tras el primer año</numerusform>
            <numerusform>Saldo pendiente tras %Ln años</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>Cuesta menos que %1 desde</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1: coste total %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1, igual que %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1, %2 menos que %3</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1, %2 más que %3</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Tasa anual (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Cuota mensual</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Comisiones</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Oferta %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>Usar en la ventana principal</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>Ver cuadro de amortización</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>Nombre de la oferta %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>Usar %1 en la ventana principal</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>Ver cuadro de amortización de %1</translation>
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
        <translation>Escriba un importe mayor que 0.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>Las comisiones no pueden ser negativas.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>Escriba un número entero de meses entre %1 y %2.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>Escriba una tasa entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>Un pago extra no puede ser negativo.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>Escriba un número de cuota entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>No se pudo componer el informe.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>No se pudo imprimir el cuadro de amortización.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>No se pudo imprimir el cuadro de amortización en %1.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>Imprimir cuadro de amortización</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>Vista previa de impresión del cuadro de amortización</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>No se pudo configurar la impresora.</translation>
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
        <translation>La impresora no pudo iniciar el trabajo.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>La impresora no pudo terminar el trabajo.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>La impresora no pudo empezar una hoja nueva.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>Ninguna de las páginas elegidas está en el informe.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV tal como se muestra (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Cuadro de amortización del préstamo</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>Número</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>Total anual</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>Totales</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>Número</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>Nuevo saldo</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>Cuadro de amortización del préstamo</translation>
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
        <translation>Pago extra</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>Cuadro de amortización</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Reducir plazo</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Reducir cuota</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>Extra mensual</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>Desde la cuota</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>Extra anual</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>En el mes</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Efecto del pago extra</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Pagos extra únicos</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Tasa anual</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>Primera cuota</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Cuota mensual</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Intereses totales</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Cuadro de amortización del préstamo</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>No se puede abrir el enlace: no hay un navegador predeterminado</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>No hay aplicación predeterminada</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>No hay memoria suficiente para escribir el libro de Excel.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>No se pudo escribir el libro de Excel en la carpeta temporal %1: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>No se puede usar la carpeta temporal %1. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>Comparar préstamos</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Guardar comparación</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Comparación de préstamos</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 es una carpeta. Elija otro nombre.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>No se pudo guardar la comparación en %1.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>Escriba tres de estos datos: el importe, los meses, la tasa anual y la cuota mensual.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>Negrita sobre verde: el valor más bajo de su fila.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>&amp;Fecha de la primera cuota</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Fecha de la primera cuota</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>Años que mantendrá el préstamo</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>&amp;Mantener el préstamo durante</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>&amp;Añadir oferta</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>&amp;Quitar oferta</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>&amp;Guardar comparación…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>Una cuota de %1 no cubre los intereses de %2 al mes</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>Con esta cuota se tarda más de %1 meses en devolver el préstamo</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>Ninguna tasa entre el 0 % y el 70 % da esta cuota</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>Estas condiciones dan importes mayores de lo que admite la calculadora.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>Complete el importe o los meses: solo se puede calcular uno de los dos.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>Complete el importe o la tasa anual: solo se puede calcular uno de los dos.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>Complete el importe o la cuota mensual: solo se puede calcular uno de los dos.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>Complete los meses o la tasa anual: solo se puede calcular uno de los dos.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>Complete los meses o la cuota mensual: solo se puede calcular uno de los dos.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>Complete la tasa anual o la cuota mensual: solo se puede calcular uno de los dos.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>Complete dos de estos datos: el importe, los meses y la tasa anual; solo se puede calcular uno de ellos.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>Complete dos de estos datos: el importe, los meses y la cuota mensual; solo se puede calcular uno de ellos.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Complete dos de estos datos: el importe, la tasa anual y la cuota mensual; solo se puede calcular uno de ellos.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Complete dos de estos datos: los meses, la tasa anual y la cuota mensual; solo se puede calcular uno de ellos.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>Pagos extra</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>Cuadro de amortización con pagos extra</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>Cuadro de amortización del préstamo con pagos extra</translation>
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
        <translation>&amp;Extra mensual</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>&amp;Desde la cuota</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>Extra a&amp;nual</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>En el mes</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>En el &amp;mes</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>&amp;Pagos extra únicos</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Pagos extra únicos</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>Añade un pago extra único</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>Quita los pagos extra únicos seleccionados</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Efecto del pago extra</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>Reducir p&amp;lazo</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>Reducir &amp;cuota</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (y %n más)</numerusform>
            <numerusform>%1 (y %n más)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>Gráfico del préstamo</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Pagado cada año</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>Gráfico del préstamo</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>Cuota %1, %2: saldo %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>Cuota %1, %2: saldo %3 sin pagos extra</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1: intereses %2, capital %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>Saldo a fin de año</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>Elige el mes</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>Elige el año</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1, a la firma, %2: saldo %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1, a la firma, %2: coste acumulado %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1, cuota %4, %2: saldo %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1, cuota %4, %2: coste acumulado %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1, liquidación en %2: saldo %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1, liquidación en %2: coste acumulado %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Saldo pendiente tras cada cuota</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>Coste acumulado (intereses + comisiones)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>Complete una oferta para ver su gráfico.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>Sitúe el puntero sobre una línea para ver sus cifras.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Gráfico comparativo</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Oferta %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1: liquidación el %2, coste total %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>Cuadro de amortización del préstamo</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Ver gráfico…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>Cuadro de amortización de %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Cuadro de amortización de %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>Herramientas de vista previa</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>Imprimir el cuadro de amortización</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>Primera</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
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
        <translation>Número de página</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Número de páginas</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
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
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>Ajustar la página al ancho</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Mostrar la página completa</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>Páginas de la vista previa</translation>
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
        <translation>Cuadro de amortización del préstamo</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>Menú del cuadro de amortización</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>Guardar cuadro de amortización como…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Vista previa de impresión…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 es una carpeta. Elija otro nombre.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>Guardar cuadro de amortización como</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el cuadro de amortización en %1.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Creado por Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>Calculadora de préstamos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visitar sitio web</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. Licencia MIT.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Calculadora de préstamos Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Calculadora de préstamos Quillmere, versión %1. Pulse cualquier tecla o haga clic en el cartel para continuar</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Cartel de presentación</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>Un clic aquí lleva a la calculadora de préstamos</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Logotipo de Quillmere</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>El logotipo del desarrollador</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>Autoría</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Familia de productos</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Nombre del producto</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Abre el sitio web del desarrollador en el navegador web</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Aviso de derechos de autor</translation>
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
        <translation>Calculadora de préstamos Quillmere</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>Recomendar</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Visitar sitio web</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>Manual de ayuda</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Cuota mensual %1, %n cuota</numerusform>
            <numerusform>Cuota mensual %1, %n cuotas</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>Datos del préstamo/deuda</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>Capital:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>Plazo en meses:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Tasa de interés:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>&amp;Calcular mi cuota</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;Imprimir cuadro de amortización</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>Su cuota mensual total</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>Fecha de la primera cuota</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Ver gráfico…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>Pagos extra…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>Comparar préstamos…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>Datos del préstamo</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>El importe, el plazo y la tasa de interés del préstamo o deuda</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>Capital del préstamo</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>El importe prestado o adeudado</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>Etiqueta del capital del préstamo</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>Plazo en meses</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>El número de cuotas mensuales</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>Etiqueta del plazo en meses</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>Tasa de interés en porcentaje</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>La tasa de interés anual en porcentaje, 70 como máximo</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>Etiqueta de la tasa de interés</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>Calcular mi cuota</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>Calcula la cuota mensual y rellena el cuadro de amortización</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>Imprimir cuadro de amortización</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>Imprime el cuadro de amortización</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Cuota mensual</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>La cuota mensual constante, de solo lectura</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>Etiqueta de la cuota mensual</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>Vacía los datos introducidos, la cuota y el cuadro de amortización</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>Cuadro de amortización</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>Una fila por cada cuota mensual, con los totales anuales y los totales; Ctrl+C copia las celdas seleccionadas, o todo el cuadro de amortización, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>Etiqueta de la fecha de la primera cuota</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Fecha de la primera cuota</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>La fecha de la primera cuota mensual</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>Calcula la cuota mensual y el cuadro de amortización de un préstamo o deuda</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Abre el sitio web del desarrollador en el navegador web</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>Archivos de préstamo (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>&amp;Abrir préstamo…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>&amp;Guardar préstamo</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>Guardar préstamo &amp;como…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>No hay préstamos recientes</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Borrar recientes</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Abrir préstamo</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>No se pudo abrir el préstamo desde %1.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Guardar préstamo</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>Guardar préstamo como</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Préstamo</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 es una carpeta. Elija otro nombre.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el préstamo en %1.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Desea guardar los cambios en %1?</translation>
    </message>
</context>
</TS>
