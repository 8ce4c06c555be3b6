<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>Введите сумму не более %1.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>Введите сумму, например %1.</translation>
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
        <translation>Использование: %1 [--help] [--version] [ФАЙЛ]
Рассчитывает ежемесячный платёж и график платежей по кредиту.

  ФАЙЛ        открыть файл кредита (.qloan)
  --help      показать эту справку и выйти
  --version   показать версию и выйти
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: неизвестный параметр «%2»
Для получения справки запустите «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: можно открыть только один файл кредита, «%2» лишний
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1, наименьшее</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>Наименьшее среди предложений</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>Предложение %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>Сравнение кредитов</translation>
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
        <translation>Экономия на процентах: %1; погашение в тот же месяц.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>Экономия на процентах: %1; погашение на %2 раньше.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (платёж %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>Ежемесячный платёж после первого досрочного погашения: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>Ежемесячный платёж после первого досрочного погашения: %1; перед последним платежом: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>С досрочными платежами: погашение %1, за %2 платёж; сумма процентов %3.</numerusform>
            <numerusform>С досрочными платежами: погашение %1, за %2 платежа; сумма процентов %3.</numerusform>
            <numerusform>С досрочными платежами: погашение %1, за %2 платежей; сумма процентов %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Без досрочных платежей: погашение %1, за %2 платёж; сумма процентов %3.</numerusform>
            <numerusform>Без досрочных платежей: погашение %1, за %2 платежа; сумма процентов %3.</numerusform>
            <numerusform>Без досрочных платежей: погашение %1, за %2 платежей; сумма процентов %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>Сначала рассчитайте кредит в главном окне.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>Ожидание, пока главное окно рассчитает график платежей…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>Исправьте отмеченные поля, чтобы увидеть график платежей с досрочными платежами.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>При этих досрочных платежах суммы выходят за пределы возможностей калькулятора.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 год</numerusform>
            <numerusform>%1 года</numerusform>
            <numerusform>%1 лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 месяц</numerusform>
            <numerusform>%1 месяца</numerusform>
            <numerusform>%1 месяцев</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>Подумайте о рефинансировании кредита или обратитесь в полицию: законность этого кредита под вопросом</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>Срочно рефинансируйте!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>Этот кредит невозможно рассчитать: его суммы выходят за пределы возможностей калькулятора.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Вне допустимого диапазона</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>Графика платежей пока нет: рассчитайте кредит, чтобы увидеть диаграмму.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>Ежемесячный платёж %1; сумма процентов %2; дата погашения %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Остаток долга после каждого платежа</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Выплачено за каждый год</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Остаток с досрочными платежами</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>Остаток без досрочных платежей</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>Значение «%1» должно быть текстом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>Значение «%1» длиннее, чем вмещает любое поле.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>Значение «%1» должно быть true или false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>Значение «%1» должно быть целым числом от %2 до %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>Значение «%1» должно быть объектом.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>Значение «%1» должно быть списком.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>Число элементов в «%1» больше %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>Значение «%1» должно быть одним из следующих: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>Значение «%1» отсутствует.</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>Значение «loan.firstPaymentDate» должно быть датой от 0001-01-01 до 9999-12-31.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>Файл обрезан: он заканчивается на символе %1, посреди данных.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>Это не файл кредита: он не в формате JSON (%1, символ %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>Файл слишком велик для файла кредита.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>Это не файл кредита этой программы.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>Файл создан более новой версией программы (версия формата %1); эта версия читает версию %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>Не удалось прочитать файл: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 — это папка, а не файл кредита.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (комиссии не меньше суммы кредита)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>с платежа %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>с самого начала</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Ежемесячный платёж</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Количество платежей</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Последний платёж</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>Дата погашения</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Сумма процентов</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>Сумма всех платежей</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Комиссии</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>Стоимость кредита</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>ПСК (с комиссиями)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>Эффективная годовая ставка (с комиссиями)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Проценты, уплаченные за %Ln год</numerusform>
            <numerusform>Проценты, уплаченные за первые %Ln года</numerusform>
            <numerusform>Проценты, уплаченные за первые %Ln лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Стоимость за %Ln год</numerusform>
            <numerusform>Стоимость за первые %Ln года</numerusform>
            <numerusform>Стоимость за первые %Ln лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Остаток долга через %Ln год</numerusform>
            <numerusform>Остаток долга через %Ln года</numerusform>
            <numerusform>Остаток долга через %Ln лет</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>Дешевле, чем %1</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1: стоимость кредита %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1, столько же, сколько %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1, на %2 меньше, чем %3</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1, на %2 больше, чем %3</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Срок, мес.</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>Годовая ставка (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Ежемесячный платёж</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Комиссии</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Предложение %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>Перенести в главное окно</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>График платежей</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>Название предложения %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>Перенести «%1» в главное окно</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>Показать график платежей для «%1»</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>рассчитано</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>Введите сумму больше 0.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>Комиссии не могут быть отрицательными.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>Введите целое число месяцев от %1 до %2.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>Введите ставку от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>Досрочный платёж не может быть отрицательным.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>Введите номер платежа от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>Не удалось сверстать отчёт.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>Не удалось напечатать график платежей.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>Не удалось напечатать график платежей в файл %1.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>Печать графика платежей</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>Предварительный просмотр графика платежей</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>Не удалось настроить принтер.</translation>
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
        <translation>Принтеру не удалось начать задание.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>Принтеру не удалось завершить задание.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>Принтеру не удалось начать новый лист.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>Ни одна из выбранных страниц не входит в отчёт.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Книга Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV для электронных таблиц (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV как на экране (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>График платежей по кредиту</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>№</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>Платёж</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>Остаток долга</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>Итого за год</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>Итого</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>№</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>Платёж</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>Остаток долга</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>График платежей по кредиту</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>Страница: %1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>Досрочно</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>График</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>Кредит</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Сократить срок</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>Уменьшить платёж</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>Досрочно каждый месяц</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>Начиная с платежа</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>Досрочно каждый год</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>В месяце</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Что даёт досрочный платёж</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Разовые досрочные платежи</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>№ платежа</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>Сумма кредита</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>Срок, мес.</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>Годовая ставка</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>Дата первого платежа</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Ежемесячный платёж</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Сумма процентов</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>График платежей по кредиту</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>Не удалось открыть ссылку: не задан браузер по умолчанию</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>Нет приложения по умолчанию</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>Недостаточно памяти для записи книги.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>Не удалось записать книгу во временную папку %1: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>Невозможно использовать временную папку %1. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>Сравнение кредитов</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Сохранить сравнение</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Книга Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>Сравнение кредитов</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 — это папка. Выберите другое имя.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Файл %1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>Не удалось сохранить сравнение в файл %1.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>Введите три значения из четырёх: сумму, срок в месяцах, годовую ставку и ежемесячный платёж.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>Жирным на зелёном — наименьшее значение в строке.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>Дата &amp;первого платежа</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Дата первого платежа</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>Срок пользования кредитом в годах</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>&amp;Срок пользования кредитом</translation>
    </message>
    <message>
        <source>years</source>
        <translation>г.</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>&amp;Добавить предложение</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>&amp;Удалить предложение</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>Со&amp;хранить сравнение…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>Платёж %1 не покрывает проценты в размере %2 в месяц</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>При таком платеже погашение кредита займёт более %1 месяцев</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>Ни одна ставка от 0 % до 70 % не даёт такого платежа</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>При этих условиях суммы выходят за пределы возможностей калькулятора.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>Заполните сумму или срок в месяцах: рассчитать можно только одно из значений.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>Заполните сумму или годовую ставку: рассчитать можно только одно из значений.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>Заполните сумму или ежемесячный платёж: рассчитать можно только одно из значений.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>Заполните срок в месяцах или годовую ставку: рассчитать можно только одно из значений.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>Заполните срок в месяцах или ежемесячный платёж: рассчитать можно только одно из значений.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>Заполните годовую ставку или ежемесячный платёж: рассчитать можно только одно из значений.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>Заполните два значения из трёх (сумму, срок в месяцах, годовую ставку): рассчитать можно только одно из них.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>Заполните два значения из трёх (сумму, срок в месяцах, ежемесячный платёж): рассчитать можно только одно из них.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Заполните два значения из трёх (сумму, годовую ставку, ежемесячный платёж): рассчитать можно только одно из них.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>Заполните два значения из трёх (срок в месяцах, годовую ставку, ежемесячный платёж): рассчитать можно только одно из них.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>Досрочные платежи</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>График платежей с досрочными платежами</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>График платежей по кредиту с досрочными платежами</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>&amp;Досрочно каждый месяц</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>&amp;Начиная с платежа</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>Досрочно каждый &amp;год</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>В месяце</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>В &amp;месяце</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>&amp;Разовые досрочные платежи</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>Разовые досрочные платежи</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>№ платежа</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Доб&amp;авить</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>Добавляет разовый досрочный платёж</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>Удаляет выбранные разовые досрочные платежи</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>Что даёт досрочный платёж</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>&amp;Сократить срок</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>Уменьшить &amp;платёж</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (и ещё %n)</numerusform>
            <numerusform>%1 (и ещё %n)</numerusform>
            <numerusform>%1 (и ещё %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>Диаграмма кредита</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>Выплачено за каждый год</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>Диаграмма кредита</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>Платёж %1, %2: остаток %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>Платёж %1, %2: остаток %3 без досрочных платежей</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1: проценты %2, основной долг %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>Остаток на конец года</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>Выбор месяца</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>Выбор года</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1, при подписании, %2: остаток %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1, при подписании, %2: накопленная стоимость %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1, платёж %4, %2: остаток %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1, платёж %4, %2: накопленная стоимость %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1, погашение %2: остаток %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1, погашение %2: накопленная стоимость %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>Остаток долга после каждого платежа</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>Накопленная стоимость (проценты + комиссии)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>Заполните предложение, чтобы увидеть его диаграмму.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>Наведите указатель на линию, чтобы увидеть её значения.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Диаграмма сравнения</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>Предложение %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1: погашение %2, стоимость кредита %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>График платежей по кредиту</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Показать диаграмму…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>График платежей: %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>График платежей для «%1»</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>Панель предварительного просмотра</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>Напечатать график платежей</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>Первая</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Первая страница</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>Предыдущая</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Номер страницы</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>из %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>Число страниц</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>Последняя</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Последняя страница</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>Подогнать страницу по ширине</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Страница целиком</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>Показать всю страницу</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить масштаб</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить масштаб</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>Страницы предварительного просмотра</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>График платежей по кредиту</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>Меню графика платежей</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>Сохранить график как…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Предварительный просмотр…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 — это папка. Выберите другое имя.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Файл %1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>Сохранить график как</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>Не удалось сохранить график платежей в файл %1.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Разработчик: Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>Кредитный калькулятор</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Посетить сайт</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. Лицензия MIT.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Кредитный калькулятор Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Кредитный калькулятор Quillmere, версия %1. Чтобы продолжить, нажмите любую клавишу или щёлкните баннер</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Баннер</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>Щелчок здесь открывает кредитный калькулятор</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Логотип Quillmere</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Логотип разработчика</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>Авторство</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>Семейство продуктов</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Название продукта</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Открывает сайт разработчика в веб-браузере</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>Уведомление об авторских правах</translation>
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
        <translation>Кредитный калькулятор Quillmere</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>Рассказать другу</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>Посетить сайт</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>Документация</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Ежемесячный платёж %1, %n платёж</numerusform>
            <numerusform>Ежемесячный платёж %1, %n платежа</numerusform>
            <numerusform>Ежемесячный платёж %1, %n платежей</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>Условия кредита/долга</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>Сумма кредита:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>Срок в месяцах:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Процентная ставка:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>&amp;Рассчитать платёж</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;Печать графика платежей</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>Ваш ежемесячный платёж</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>Выберите дату первого платежа</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>Показать диаграмму…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>Досрочные платежи…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>Сравнить кредиты…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>Условия кредита</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>Сумма, срок и процентная ставка кредита или долга</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>Сумма кредита</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>Сумма, взятая в кредит или в долг</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>Подпись суммы кредита</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>Срок в месяцах</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>Количество ежемесячных платежей</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>Подпись срока в месяцах</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>Процентная ставка, % годовых</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>Годовая процентная ставка в процентах, не более 70</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>Подпись процентной ставки</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>Рассчитать платёж</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>Рассчитывает ежемесячный платёж и заполняет график платежей</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>Печать графика платежей</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>Печатает график платежей</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>Ежемесячный платёж</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>Равный (аннуитетный) ежемесячный платёж, только для чтения</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>Подпись ежемесячного платежа</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>Очищает поля ввода, платёж и график платежей</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>График платежей</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>По строке на каждый ежемесячный платёж, с итогами за год и общими итогами; Ctrl+C копирует выделенные ячейки или весь график для электронной таблицы</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>Подпись даты первого платежа</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>Дата первого платежа</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>Дата первого ежемесячного платежа</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>Рассчитывает ежемесячный платёж и график платежей по кредиту или долгу</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>Открывает сайт разработчика в веб-браузере</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>Файлы кредита (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>&amp;Открыть расчёт…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние расчёты</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>&amp;Сохранить расчёт</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>Сохранить расчёт &amp;как…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>Нет недавних расчётов</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>Открыть расчёт</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>Не удалось открыть расчёт из файла %1.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>Сохранить расчёт</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>Сохранить расчёт как</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Кредит</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 — это папка. Выберите другое имя.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Файл %1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>Не удалось сохранить расчёт в файл %1.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в файле %1?</translation>
    </message>
</context>
</TS>
