<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>%1以下の金額を入力してください。</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>%1のように金額を入力してください。</translation>
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
        <translation>使い方: %1 [--help] [--version] [FILE]
ローンの毎月の返済額と返済予定表を計算します。

  FILE        開くローンファイル (.qloan)
  --help      このヘルプを表示して終了します
  --version   バージョンを表示して終了します
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: 不明なオプション &apos;%2&apos;
詳しくは &apos;%1 --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: ローンファイルは一度に1つだけ指定してください（&apos;%2&apos; は余分です）
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1、最小</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>プランの中で最小の値</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>比較</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>プラン%1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>ローン比較</translation>
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
        <translation>利息の軽減額：%1。完済月は変わりません。</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>利息の軽減額：%1。完済が%2早まります。</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1（第%2回）</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>最初の繰上返済後の毎月の返済額：%1。</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>最初の繰上返済後の毎月の返済額：%1、最終回の直前：%2。</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>繰上返済あり：%1に完済（%2回払い）、利息総額は%3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>繰上返済なし：%1に完済（%2回払い）、利息総額は%3。</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>先にメインウィンドウでローンを計算してください。</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>メインウィンドウで返済予定表の作成が終わるのを待っています…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>繰上返済を反映した返済予定表を表示するには、印の付いた欄を修正してください。</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>この繰上返済では、計算できる範囲を超える金額になります。</translation>
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
            <numerusform>%1か月</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>借入の一本化を検討するか、警察に通報してください。このローンは合法性が疑われます</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>至急、借入の一本化を！</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>このローンは計算できません：金額が計算できる範囲を超えています。</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>範囲外</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>返済予定表がまだありません。グラフを見るには、ローンを計算してください。</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>毎月の返済額：%1、利息総額：%2、完済日：%3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>各回返済後の残高</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>年ごとの返済額</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>元金</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>繰上返済ありの残高</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>繰上返済なしの残高</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>「%1」は文字列である必要があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>「%1」が長すぎて、入力欄に収まりません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>「%1」は true または false である必要があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>「%1」は%2から%3までの整数である必要があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>「%1」はオブジェクトである必要があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>「%1」はリストである必要があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>「%1」の項目が%2個を超えています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>「%1」は%2のいずれかである必要があります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>「%1」がありません。</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>「loan.firstPaymentDate」は0001-01-01から9999-12-31までの日付である必要があります。</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>ファイルが途中で切れています：データの途中の%1文字目で終わっています。</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>このファイルはローンファイルではありません：JSON ではありません（%2文字目：%1）。</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>ファイルが大きすぎるため、ローンファイルではありません。</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>このファイルは、このプログラムのローンファイルではありません。</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>このファイルは新しいバージョンのプログラムで保存されています（形式バージョン %1）。このバージョンで読み込めるのは形式バージョン %2 です。</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>ファイルを読み込めません：%1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 はフォルダーです。ローンファイルではありません。</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>—（手数料が借入金額以上です）</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>第%1回（%2）</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>当初から</translation>
    </message>
    <message>
        <source>never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>毎月の返済額</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>返済回数</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>最終回の返済額</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>完済日</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>利息総額</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>総返済額</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>総費用</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>実質年率（手数料込み）</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>実効年率（手数料込み）</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>当初%Ln年間の支払利息</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>当初%Ln年間の費用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>%Ln年後の残高</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>%1より安くなる時点</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1：総費用は%2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1、%2と同じ</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1、%3より%2安い</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1、%3より%2高い</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>借入金額</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>返済月数</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>年利率（%）</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>毎月の返済額</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>プラン%1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>メインウィンドウで使用</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>返済予定表を表示</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>プラン%1の名前</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1の%2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>%1をメインウィンドウで使用</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>%1の返済予定表を表示</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>計算値</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>0より大きい金額を入力してください。</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>手数料にマイナスの値は指定できません。</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>%1から%2までの整数で月数を入力してください。</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>%1から%2までの年利率を入力してください。</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>繰上返済額にマイナスの値は指定できません。</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>%1から%2までの返済回を入力してください。</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>レポートをレイアウトできませんでした。</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>返済予定表を印刷できませんでした。

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>返済予定表を %1 に出力できませんでした。

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>返済予定表の印刷</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>返済予定表の印刷プレビュー</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>プリンターを設定できませんでした。</translation>
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
        <translation>プリンターで印刷ジョブを開始できませんでした。</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>プリンターで印刷ジョブを完了できませんでした。</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>プリンターで新しい用紙への印刷を開始できませんでした。</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>選択したページはどれもレポートにありません。</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel ブック (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>表計算ソフト用 CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>表示どおりの CSV (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>ローン返済予定表</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>返済日</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>回数</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>返済額</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>利息</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>元金</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>残高</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>備考</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>年間合計</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>合計</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>返済日</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>回数</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>返済額</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>利息</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>元金</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>返済後残高</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>ローン返済予定表</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>ページ：%1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>繰上返済</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>返済予定表</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>ローン</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>期間短縮型</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>返済額軽減型</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>毎月の繰上返済額</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>開始回</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>毎年の繰上返済額</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>実施月</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>繰上返済の方式</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>単発の繰上返済</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>返済回</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>金額</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>借入金額</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>返済月数</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>年利率</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>初回返済日</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>毎月の返済額</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>利息総額</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>ローン返済予定表</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>リンクを開けません：既定のブラウザーが設定されていません</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>既定のアプリケーションがありません</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>ブックを書き込むためのメモリが不足しています。</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>一時フォルダー %1 にブックを書き込めませんでした：%2。</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>一時フォルダー %1 を使用できません。%2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>ローンの比較</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>比較を保存</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel ブック (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>ローン比較</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 はフォルダーです。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>比較を %1 に保存できませんでした。

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>借入金額、返済月数、年利率、毎月の返済額のうち3つを入力してください。</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>緑地に太字：その行で最小の値。</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>初回返済日(&amp;F)</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>初回返済日</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>ローンの保有年数</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>保有期間(&amp;K)</translation>
    </message>
    <message>
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>プランを追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>プランを削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>比較を保存(&amp;S)…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>返済額%1では毎月の利息%2をまかなえません</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>この返済額では完済までに%1か月を超えます</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>0%から70%までのどの金利でも、この返済額にはなりません</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>この条件では、計算できる範囲を超える金額になります。</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>借入金額または返済月数を入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>借入金額または年利率を入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>借入金額または毎月の返済額を入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>返済月数または年利率を入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>返済月数または毎月の返済額を入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>年利率または毎月の返済額を入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>借入金額、返済月数、年利率のうち2つを入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>借入金額、返済月数、毎月の返済額のうち2つを入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>借入金額、年利率、毎月の返済額のうち2つを入力してください：計算で求められるのは1つだけです。</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>返済月数、年利率、毎月の返済額のうち2つを入力してください：計算で求められるのは1つだけです。</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>繰上返済</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>繰上返済を反映した返済予定表</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>繰上返済を反映したローン返済予定表</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>毎月の繰上返済額(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>開始回(&amp;S)</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>毎年の繰上返済額(&amp;Y)</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>実施月</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>実施月(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>単発の繰上返済(&amp;O)</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>単発の繰上返済</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>返済回</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>単発の繰上返済を追加します</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>選択した単発の繰上返済を削除します</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>繰上返済の方式</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>期間短縮型(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>返済額軽減型(&amp;L)</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>%1行目：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1（ほか%n件）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>ローンのグラフ</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>年ごとの返済額</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>ローンのグラフ</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>第%1回、%2：残高%3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>第%1回、%2：繰上返済なしの残高%3</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1：利息%2、元金%3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>利息</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>元金</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>年末残高</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>前の月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>次の月</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>月を選択します</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>年を選択します</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1、契約時（%2）：残高%3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1、契約時（%2）：累計費用%3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1、第%4回（%2）：残高%3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1、第%4回（%2）：累計費用%3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1、完済（%2）：残高%3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1、完済（%2）：累計費用%3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>各回返済後の残高</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>累計費用（利息＋手数料）</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>グラフを表示するには、プランを入力してください。</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>線にポインターを合わせると、その数値が表示されます。</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>比較グラフ</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>プラン%1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1：%2に完済、総費用%3。</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>ローン返済予定表</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>グラフを表示…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>%1の返済予定表</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>%1の返済予定表</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>プレビューツール</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>返済予定表を印刷</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>最初</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>最初のページ</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>ページ番号</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>最後</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後のページ</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>幅に合わせる</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>ページを幅に合わせます</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ページ全体</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>ページ全体を表示します</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大します</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小します</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>プレビューのページ</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>%2ページ中%1ページ目</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>ローン返済予定表</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>返済予定表メニュー</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>名前を付けて返済予定表を保存…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>印刷プレビュー…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 はフォルダーです。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>名前を付けて返済予定表を保存</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>返済予定表を %1 に保存できませんでした。

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>Quillmere 製</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>ローン計算機</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>ホームページへ</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>Copyright © 2026 Quillmere. MIT ライセンス。</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>Quillmere ローン計算機</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>Quillmere ローン計算機 バージョン %1。いずれかのキーを押すか、バナーをクリックすると先に進みます</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>バナー</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>ここをクリックするとローン計算機に進みます</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>Quillmere のロゴ</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>製作元のロゴ</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>製作元</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>製品ファミリー</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>製品名</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>製作元のホームページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>著作権表示</translation>
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
        <translation>Quillmere ローン計算機</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>友達に知らせる</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>ホームページへ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>ヘルプ文書</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>毎月の返済額%1、返済回数%n回</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>ローン・借入の内容</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>借入金額：</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>返済期間（月）：</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>金利（年率）：</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>返済額を計算(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>返済予定表を印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>毎月の返済額</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>クリア(&amp;R)</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>初回返済日を選択</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>グラフを表示…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>繰上返済…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>ローンの比較…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>ローンの内容</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>ローンまたは借入の金額、返済期間、金利</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>借入金額</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>借り入れた金額、または返済すべき金額</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>借入金額のラベル</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>返済期間（月数）</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>毎月の返済の回数</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>返済期間（月数）のラベル</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>金利（%）</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>年利率（%）、70以下</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>金利のラベル</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>返済額を計算</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>毎月の返済額を計算し、返済予定表を作成します</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>返済予定表を印刷</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>返済予定表を印刷します</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>毎月の返済額</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>元利均等の毎月の返済額（読み取り専用）</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>毎月の返済額のラベル</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>入力内容、返済額、返済予定表を消去します</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>返済予定表</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>毎月の返済ごとに1行、ほかに年間合計と合計の行があります。Ctrl+C で、選択したセルまたは返済予定表全体を表計算ソフト用にコピーします</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>初回返済日のラベル</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>初回返済日</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>1回目の毎月の返済の日付</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>ローンまたは借入の毎月の返済額と返済予定表を計算します</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>製作元のホームページを Web ブラウザーで開きます</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>ローンファイル (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>ローンを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったローン(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>ローンを保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>名前を付けてローンを保存(&amp;A)…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>最近使ったローンはありません</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>履歴を消去(&amp;C)</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>ローンを開く</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>%1 からローンを開けませんでした。

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>ローンを保存</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>名前を付けてローンを保存</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>ローン</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 はフォルダーです。別の名前を選んでください。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 は既に存在します。
置き換えますか？</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>ローンを %1 に保存できませんでした。

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
</context>
</TS>
