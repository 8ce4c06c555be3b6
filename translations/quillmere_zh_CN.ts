<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>请输入不超过 %1 的金额。</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>请输入金额，例如 %1。</translation>
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
        <translation>用法：%1 [--help] [--version] [文件]
计算贷款的月供和还款计划表。

  文件        要打开的贷款文件（.qloan）
  --help      显示此帮助并退出
  --version   显示版本信息并退出
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1：未知选项“%2”
请尝试执行“%1 --help”以获取更多信息。
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1：一次只能打开一个贷款文件，不能同时打开“%2”
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1，最低</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>各方案中的最低值</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>方案比较</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>方案 %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>贷款方案比较</translation>
    </message>
</context>
<context>
    <name>ExtraSummary</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A duration: %1 is the years, %2 the months (&quot;8 years 5 months&quot;)</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off in the same month.</source>
        <translation>节省利息：%1；结清月份不变。</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>节省利息：%1；提前%2结清。</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1（第%2期）</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>首次提前还款后的月供：%1。</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>首次提前还款后的月供：%1；最后一期之前的月供：%2。</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>有提前还款：共还款%2期，于%1结清；利息总额 %3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>无提前还款：共还款%2期，于%1结清；利息总额 %3。</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>请先在主窗口中计算贷款。</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>正在等待主窗口生成还款计划表…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>请更正标记的输入框，以查看含提前还款的还款计划表。</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>这些提前还款得出的金额超出了计算器可容纳的范围。</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1个月</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>请考虑债务整合，或者报警：这笔贷款的合法性值得怀疑</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>请尽快整合债务！</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>无法计算此贷款：其金额超出了计算器可容纳的范围。</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>超出范围</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>尚无还款计划表：请先计算贷款以查看图表。</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>月供 %1；利息总额 %2；于%3结清</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>每期还款后的剩余本金</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>每年还款</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>本金</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>有提前还款的剩余本金</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>无提前还款的剩余本金</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>“%1”必须是文本。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>“%1”超出了输入框可容纳的长度。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>“%1”必须是 true 或 false。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>“%1”必须是 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>“%1”必须是对象。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>“%1”必须是列表。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>“%1”包含的条目超过 %2 个。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>“%1”必须是以下值之一：%2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>缺少“%1”。</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>“loan.firstPaymentDate”必须是 0001-01-01 到 9999-12-31 之间的日期。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>文件不完整：它在第 %1 个字符处中断，数据尚未结束。</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>该文件不是贷款文件：它不是 JSON 格式（第 %2 个字符处：%1）。</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>文件过大，不可能是贷款文件。</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>该文件不是本程序的贷款文件。</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>该文件由更高版本的程序写入（格式版本 %1）；此版本只能读取版本 %2。</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 是文件夹，不是贷款文件。</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>—（费用不低于贷款金额）</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>第%1期（%2）</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>从一开始</translation>
    </message>
    <message>
        <source>never</source>
        <translation>始终不会</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>月供</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>还款期数</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>最后一期还款额</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>结清日期</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>利息总额</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>还款总额</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>费用</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>总成本</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>年化利率（含费用）</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>有效年利率（含费用）</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>前%Ln年已付利息</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>前%Ln年成本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>%Ln年后剩余本金</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>成本开始低于 %1 的时间</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1：总成本 %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1，与 %2 相同</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1，比 %3 少 %2</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1，比 %3 多 %2</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>贷款金额</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>期限（月）</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>年利率（%）</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>月供</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>费用</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>方案 %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>在主窗口中使用</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>显示还款计划表</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>方案 %1 的名称</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>在主窗口中使用 %1</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>显示 %1 的还款计划表</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>计算得出</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>请输入大于 0 的金额。</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>费用不能为负数。</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>请输入 %1 到 %2 之间的整数月数。</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>请输入 %1 到 %2 之间的年利率。</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>提前还款额不能为负数。</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>请输入 %1 到 %2 之间的期数。</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>无法对报表进行排版。</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>无法打印还款计划表。

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>无法将还款计划表打印到 %1。

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>打印还款计划表</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>还款计划表的打印预览</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>无法设置打印机。</translation>
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
        <translation>打印机无法开始打印作业。</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>打印机无法完成打印作业。</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>打印机无法开始新的一页。</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>所选页面均不在报表中。</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>适用于电子表格的 CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>与显示一致的 CSV (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>贷款还款计划表</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>期数</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>还款额</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>利息</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>本金</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>剩余本金</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>备注</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>年度合计</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>合计</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>期数</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>还款额</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>利息</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>本金</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>剩余本金</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>贷款还款计划表</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>页码：%1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>提前还款</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>还款计划表</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>贷款</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>缩短还款期限</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>减少月供</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>每月提前还款额</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>起始期数</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>每年提前还款额</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>还款月份</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>提前还款方式</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>一次性提前还款</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>期数</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>金额</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>贷款本金</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>期限（月）</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>年利率</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>首次还款日期</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>月供</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>利息总额</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>贷款还款计划表</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>无法打开链接：没有默认浏览器</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>没有默认应用程序</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>内存不足，无法写入工作簿。</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>无法在临时文件夹 %1 中写入工作簿：%2。</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>无法使用临时文件夹 %1。%2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>比较贷款方案</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>保存比较结果</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>贷款方案比较</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 是文件夹。请另选一个名称。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>无法将比较结果保存到 %1。

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>请在贷款金额、期限、年利率和月供中填写三项。</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>比较结果</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>绿底粗体：该行中的最低值。</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>首次还款日期(&amp;F)</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>首次还款日期</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>持有贷款的年数</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>持有贷款(&amp;K)</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>添加方案(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>删除方案(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>保存比较结果(&amp;S)…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>月供 %1 不足以支付每月 %2 的利息</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>按此月供还清贷款需要超过 %1 个月</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>在 0% 到 70% 之间没有任何利率能得出此月供</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>这些条件得出的金额超出了计算器可容纳的范围。</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>请填写贷款金额或期限：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>请填写贷款金额或年利率：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>请填写贷款金额或月供：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>请填写期限或年利率：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>请填写期限或月供：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>请填写年利率或月供：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>请在贷款金额、期限和年利率中填写两项：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>请在贷款金额、期限和月供中填写两项：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>请在贷款金额、年利率和月供中填写两项：其中只能有一项由程序计算得出。</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>请在期限、年利率和月供中填写两项：其中只能有一项由程序计算得出。</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>提前还款</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>含提前还款的还款计划表</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>含提前还款的贷款还款计划表</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>每月提前还款额(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>起始期数(&amp;S)</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>每年提前还款额(&amp;Y)</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>还款月份</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>还款月份(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>一次性提前还款(&amp;O)</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>一次性提前还款</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>期数</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金额</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>添加一笔一次性提前还款</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>删除所选的一次性提前还款</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>提前还款方式</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>缩短还款期限(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>减少月供(&amp;L)</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第%1行：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1（另有%n条）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>贷款图表</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>每年还款</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>贷款图表</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>第%1期，%2：剩余本金 %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>第%1期，%2：无提前还款时剩余本金 %3</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1年：利息 %2，本金 %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>本金</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>年末剩余本金</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>选择月份</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>选择年份</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1，签约时，%2：剩余本金 %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1，签约时，%2：累计成本 %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1，第%4期，%2：剩余本金 %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1，第%4期，%2：累计成本 %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1，%2结清：剩余本金 %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1，%2结清：累计成本 %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>每期还款后的剩余本金</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>累计成本（利息 + 费用）</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>请填写方案以查看其图表。</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>将鼠标指向曲线即可查看其数值。</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>方案比较图表</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>方案 %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1：于%2结清，总成本 %3。</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>贷款还款计划表</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>显示图表…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>%1 还款计划表</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>%1 的还款计划表</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>预览工具</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>打印还款计划表</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>首页</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>共 %1 页</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>末页</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>使页面适合窗口宽度</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>显示整页</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>预览页面</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>第%1页，共%2页</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>贷款还款计划表</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>还款计划表菜单</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>还款计划表另存为…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>打印预览…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 是文件夹。请另选一个名称。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>还款计划表另存为</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>无法将还款计划表保存到 %1。

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Quillmere 出品</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>贷款计算器</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>访问主页</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>版权所有 © 2026 Quillmere。MIT 许可证。</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Quillmere 贷款计算器</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Quillmere 贷款计算器，版本 %1。按任意键或单击横幅即可继续</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>横幅</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>单击此处进入贷款计算器</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Quillmere 标志</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>制作者的标志</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>出品方</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>产品系列</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>产品名称</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>版本</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>在网页浏览器中打开制作者的主页</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>版权声明</translation>
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
        <translation>Quillmere 贷款计算器</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>访问主页</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>帮助文档</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>月供 %1，共%n期</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>贷款/债务信息</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>贷款本金：</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>期限（月）：</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>年利率：</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>计算月供(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>打印还款计划表(&amp;P)</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>您的月供总额</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>清除(&amp;R)</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>选择首次还款日期</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>显示图表…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>提前还款…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>比较贷款方案…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>贷款信息</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>贷款或债务的金额、期限和利率</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>贷款本金</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>借入或欠下的金额</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>贷款本金的标签</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>期限（月）</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>按月还款的期数</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>期限（月）的标签</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>利率（百分比）</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>年利率（百分比），最高为 70</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>利率的标签</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>计算月供</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>计算月供并填写还款计划表</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>打印还款计划表</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>打印还款计划表</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>月供</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>等额月供，只读</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>月供的标签</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>清空输入内容、月供和还款计划表</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>还款计划表</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>每期月供占一行，另有年度合计和合计行；按 Ctrl+C 可复制所选单元格或整个还款计划表，以粘贴到电子表格中</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>首次还款日期的标签</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>首次还款日期</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>第一期月供的还款日期</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>计算贷款或债务的月供和还款计划表</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>在网页浏览器中打开制作者的主页</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>贷款文件 (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>打开贷款(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>保存贷款(&amp;S)</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>贷款另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>没有最近打开的贷款</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>清除最近记录(&amp;C)</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>打开贷款</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>无法从 %1 打开贷款。

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>保存贷款</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>贷款另存为</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>贷款</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 是文件夹。请另选一个名称。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>无法将贷款保存到 %1。

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
</context>
</TS>
