<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AmountTextReader</name>
    <message>
        <source>Type an amount of at most %1.</source>
        <translation>أدخل مبلغًا لا يتجاوز %1.</translation>
    </message>
    <message>
        <source>Type an amount such as %1.</source>
        <extracomment>%1 is an example amount, 1234.56 written in the user&apos;s locale</extracomment>
        <translation>أدخل مبلغًا مثل %1.</translation>
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
        <translation>الاستخدام: %1 [--help] [--version] [FILE]
يحسب القسط الشهري وجدول سداد القرض.

  FILE        ملف قرض (.qloan) لفتحه
  --help      عرض هذه التعليمات ثم الخروج
  --version   عرض الإصدار ثم الخروج
</translation>
    </message>
    <message>
        <source>%1: unknown option &apos;%2&apos;
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: خيار غير معروف «%2»
جرّب «%1 --help» لمزيد من المعلومات.
</translation>
    </message>
    <message>
        <source>%1: one loan file at a time, not &apos;%2&apos; as well
</source>
        <translation>%1: ملف قرض واحد في كل مرة، وليس «%2» أيضًا
</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1, lowest</source>
        <translation>%1، الأدنى</translation>
    </message>
    <message>
        <source>The lowest of the offers</source>
        <translation>الأدنى بين العروض</translation>
    </message>
</context>
<context>
    <name>ComparisonWorkbook</name>
    <message>
        <source>Comparison</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the Compare Loans table</extracomment>
        <translation>المقارنة</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <extracomment>The name of the sheet of an offer without a name; %1 is its place among the offers, from 1</extracomment>
        <translation>العرض %1</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>مقارنة القروض</translation>
    </message>
</context>
<context>
    <name>ExtraSummary</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A duration: %1 is the years, %2 the months (&quot;8 years 5 months&quot;)</extracomment>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off in the same month.</source>
        <translation>الفوائد الموفَّرة: %1؛ يكتمل السداد في الشهر نفسه.</translation>
    </message>
    <message>
        <source>Interest saved: %1; paid off %2 sooner.</source>
        <extracomment>%2 is a duration such as &quot;8 years 5 months&quot;</extracomment>
        <translation>الفوائد الموفَّرة: %1؛ يكتمل السداد أبكر بمقدار %2.</translation>
    </message>
    <message>
        <source>%1 (payment %2)</source>
        <extracomment>An amount and the number of the payment it is</extracomment>
        <translation>%1 (القسط %2)</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1.</source>
        <translation>القسط الشهري بعد أول دفعة إضافية: %1.</translation>
    </message>
    <message>
        <source>Monthly payment after the first extra: %1; before the last payment: %2.</source>
        <translation>القسط الشهري بعد أول دفعة إضافية: %1؛ وقبل القسط الأخير: %2.</translation>
    </message>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>مع الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>مع الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>مع الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>مع الدفعات الإضافية: يكتمل السداد في %1 بعد %2 أقساط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>مع الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسطًا؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>مع الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>دون الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>دون الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>دون الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>دون الدفعات الإضافية: يكتمل السداد في %1 بعد %2 أقساط؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>دون الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسطًا؛ إجمالي الفوائد %3.</numerusform>
            <numerusform>دون الدفعات الإضافية: يكتمل السداد في %1 بعد %2 قسط؛ إجمالي الفوائد %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculate a loan in the main window first.</source>
        <translation>يُرجى حساب قرض في النافذة الرئيسية أولًا.</translation>
    </message>
    <message>
        <source>Waiting for the main window to finish its schedule…</source>
        <translation>في انتظار انتهاء النافذة الرئيسية من جدول السداد…</translation>
    </message>
    <message>
        <source>Mend the marked boxes to see the schedule with extra payments.</source>
        <translation>يُرجى تصحيح الحقول المميَّزة لرؤية جدول السداد مع الدفعات الإضافية.</translation>
    </message>
    <message>
        <source>These extra payments take an amount beyond what the calculator can hold.</source>
        <translation>تؤدي هذه الدفعات الإضافية إلى مبلغ يتجاوز ما تستطيع الحاسبة التعامل معه.</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 سنة</numerusform>
            <numerusform>%1 سنة</numerusform>
            <numerusform>%1 سنة</numerusform>
            <numerusform>%1 سنوات</numerusform>
            <numerusform>%1 سنة</numerusform>
            <numerusform>%1 سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 شهر</numerusform>
            <numerusform>%1 شهر</numerusform>
            <numerusform>%1 شهر</numerusform>
            <numerusform>%1 أشهر</numerusform>
            <numerusform>%1 شهرًا</numerusform>
            <numerusform>%1 شهر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoanCalculation</name>
    <message>
        <source>Consider loan consolidation or call the police, the legality of this loan is in question</source>
        <translation>يُرجى النظر في توحيد القروض أو الاتصال بالشرطة، فقانونية هذا القرض موضع شك</translation>
    </message>
    <message>
        <source>Consilidate ASAP)</source>
        <extracomment>The title of the message about a rate above 70 %; the odd spelling and bracket are the program&apos;s own</extracomment>
        <translation>وحِّد قروضك في أسرع وقت!</translation>
    </message>
    <message>
        <source>This loan cannot be calculated: its amounts are beyond the range the calculator can hold.</source>
        <translation>لا يمكن حساب هذا القرض: مبالغه تتجاوز النطاق الذي تستطيع الحاسبة التعامل معه.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>خارج النطاق</translation>
    </message>
</context>
<context>
    <name>LoanChart</name>
    <message>
        <source>No schedule yet: calculate a loan to see its chart.</source>
        <translation>لا يوجد جدول سداد بعد: احسب قرضًا لرؤية مخططه.</translation>
    </message>
    <message>
        <source>Monthly payment %1; total interest %2; paid off on %3</source>
        <translation>القسط الشهري %1؛ إجمالي الفوائد %2؛ يكتمل السداد في %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>الرصيد المتبقي بعد كل قسط</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>المدفوع كل سنة</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>الفائدة</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>الرصيد مع الدفعات الإضافية</translation>
    </message>
    <message>
        <source>Balance without extras</source>
        <translation>الرصيد دون الدفعات الإضافية</translation>
    </message>
</context>
<context>
    <name>LoanDocument</name>
    <message>
        <source>&quot;%1&quot; must be text.</source>
        <extracomment>%1 names a value in the loan file, such as &quot;loan.months&quot;</extracomment>
        <translation>يجب أن تكون قيمة «%1» نصًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than any box holds.</source>
        <translation>قيمة «%1» أطول مما يتسع له أي حقل.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false.</source>
        <extracomment>true and false are written in the file as they are: they are not to be translated</extracomment>
        <translation>يجب أن تكون قيمة «%1» true أو false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3.</source>
        <translation>يجب أن تكون قيمة «%1» عددًا صحيحًا من %2 إلى %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an object.</source>
        <extracomment>An object of the JSON file, a group of named values between braces</extracomment>
        <translation>يجب أن تكون قيمة «%1» كائنًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list.</source>
        <translation>يجب أن تكون قيمة «%1» قائمة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 entries.</source>
        <translation>تحتوي «%1» على أكثر من %2 من العناصر.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2.</source>
        <extracomment>%2 lists the values the file may hold there, as they are written in it</extracomment>
        <translation>يجب أن تكون قيمة «%1» إحدى القيم %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing.</source>
        <translation>القيمة «%1» مفقودة.</translation>
    </message>
    <message>
        <source>&quot;loan.firstPaymentDate&quot; must be a date from 0001-01-01 to 9999-12-31.</source>
        <translation>يجب أن تكون قيمة «loan.firstPaymentDate» تاريخًا من 0001-01-01 إلى 9999-12-31.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at character %1, in the middle of its data.</source>
        <translation>الملف مبتور: فهو ينتهي عند الحرف %1، في منتصف بياناته.</translation>
    </message>
    <message>
        <source>The file is not a loan file: it is not JSON (%1 at character %2).</source>
        <extracomment>%1 is why the JSON can&apos;t be read, in Qt&apos;s words; %2 where, counted in characters</extracomment>
        <translation>الملف ليس ملف قرض: فهو ليس بصيغة JSON (%1 عند الحرف %2).</translation>
    </message>
    <message>
        <source>The file is too large to be a loan file.</source>
        <translation>الملف أكبر من أن يكون ملف قرض.</translation>
    </message>
    <message>
        <source>The file is not a loan file of this program.</source>
        <translation>الملف ليس ملف قرض خاصًا بهذا البرنامج.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program (format version %1); this version reads version %2.</source>
        <translation>كُتب الملف بإصدار أحدث من البرنامج (إصدار التنسيق %1)؛ وهذا الإصدار يقرأ الإصدار %2.</translation>
    </message>
    <message>
        <source>The file can&apos;t be read: %1</source>
        <extracomment>%1 is a sentence saying what is wrong with the file</extracomment>
        <translation>تتعذر قراءة الملف: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a loan file.</source>
        <translation>%1 مجلد، وليس ملف قرض.</translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message>
        <source>— (the fees are not below the amount)</source>
        <translation>— (الرسوم ليست أقل من المبلغ)</translation>
    </message>
    <message>
        <source>payment %1 (%2)</source>
        <translation>من القسط %1 (%2)</translation>
    </message>
    <message>
        <source>from the start</source>
        <translation>من البداية</translation>
    </message>
    <message>
        <source>never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>القسط الشهري</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>عدد الأقساط</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>القسط الأخير</translation>
    </message>
    <message>
        <source>Payoff date</source>
        <translation>تاريخ انتهاء السداد</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>إجمالي الفوائد</translation>
    </message>
    <message>
        <source>Total of payments</source>
        <translation>إجمالي الأقساط</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>الرسوم</translation>
    </message>
    <message>
        <source>Total cost</source>
        <translation>التكلفة الإجمالية</translation>
    </message>
    <message>
        <source>APR (with fees)</source>
        <translation>معدل النسبة السنوي (مع الرسوم)</translation>
    </message>
    <message>
        <source>Effective annual rate (with fees)</source>
        <translation>المعدل السنوي الفعلي (مع الرسوم)</translation>
    </message>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>الفوائد المدفوعة في أول %Ln سنة</numerusform>
            <numerusform>الفوائد المدفوعة في السنة الأولى</numerusform>
            <numerusform>الفوائد المدفوعة في أول سنتين</numerusform>
            <numerusform>الفوائد المدفوعة في أول %Ln سنوات</numerusform>
            <numerusform>الفوائد المدفوعة في أول %Ln سنة</numerusform>
            <numerusform>الفوائد المدفوعة في أول %Ln سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>تكلفة أول %Ln سنة</numerusform>
            <numerusform>تكلفة السنة الأولى</numerusform>
            <numerusform>تكلفة أول سنتين</numerusform>
            <numerusform>تكلفة أول %Ln سنوات</numerusform>
            <numerusform>تكلفة أول %Ln سنة</numerusform>
            <numerusform>تكلفة أول %Ln سنة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>الرصيد المتبقي بعد %Ln سنة</numerusform>
            <numerusform>الرصيد المتبقي بعد سنة واحدة</numerusform>
            <numerusform>الرصيد المتبقي بعد سنتين</numerusform>
            <numerusform>الرصيد المتبقي بعد %Ln سنوات</numerusform>
            <numerusform>الرصيد المتبقي بعد %Ln سنة</numerusform>
            <numerusform>الرصيد المتبقي بعد %Ln سنة</numerusform>
        </translation>
    </message>
    <message>
        <source>Costs less than %1 from</source>
        <translation>أقل تكلفة من %1</translation>
    </message>
    <message>
        <source>%1: total cost %2</source>
        <translation>%1: التكلفة الإجمالية %2</translation>
    </message>
    <message>
        <source>%1, the same as %2</source>
        <translation>%1، مثل %2</translation>
    </message>
    <message>
        <source>%1, %2 less than %3</source>
        <translation>%1، أي أقل من %3 بمقدار %2</translation>
    </message>
    <message>
        <source>%1, %2 more than %3</source>
        <translation>%1، أي أكثر من %3 بمقدار %2</translation>
    </message>
</context>
<context>
    <name>OfferForm</name>
    <message>
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>الأشهر</translation>
    </message>
    <message>
        <source>Annual rate (%)</source>
        <translation>سعر الفائدة السنوي (%)</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>القسط الشهري</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>الرسوم</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>العرض %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Use in Main Window</source>
        <translation>استخدام في النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Show Schedule</source>
        <translation>عرض جدول السداد</translation>
    </message>
    <message>
        <source>Name of offer %1</source>
        <translation>اسم العرض %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an offer&apos;s name, then a box&apos;s label</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Use %1 in Main Window</source>
        <translation>استخدام %1 في النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Show Schedule of %1</source>
        <translation>عرض جدول سداد %1</translation>
    </message>
    <message>
        <source>worked out</source>
        <translation>قيمة محسوبة</translation>
    </message>
</context>
<context>
    <name>OfferTextReader</name>
    <message>
        <source>Type an amount greater than 0.</source>
        <translation>أدخل مبلغًا أكبر من 0.</translation>
    </message>
    <message>
        <source>Fees can&apos;t be negative.</source>
        <translation>لا يمكن أن تكون الرسوم سالبة.</translation>
    </message>
    <message>
        <source>Type a whole number of months from %1 to %2.</source>
        <translation>أدخل عددًا صحيحًا من الأشهر من %1 إلى %2.</translation>
    </message>
    <message>
        <source>Type a rate from %1 to %2.</source>
        <extracomment>The annual interest rate in percent; %1 and %2 are its lowest and highest numbers</extracomment>
        <translation>أدخل سعر فائدة من %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>PlanTextReader</name>
    <message>
        <source>An extra payment can&apos;t be negative.</source>
        <translation>لا يمكن أن تكون الدفعة الإضافية سالبة.</translation>
    </message>
    <message>
        <source>Type a payment number from %1 to %2.</source>
        <extracomment>A payment&apos;s number in the schedule, the first being 1</extracomment>
        <translation>أدخل رقم قسط من %1 إلى %2.</translation>
    </message>
</context>
<context>
    <name>PrintSchedule</name>
    <message>
        <source>The report could not be laid out.</source>
        <translation>تعذر تنسيق التقرير.</translation>
    </message>
    <message>
        <source>The schedule could not be printed.

%1</source>
        <extracomment>%1 is a sentence saying why, on a line of its own</extracomment>
        <translation>تعذرت طباعة جدول السداد.

%1</translation>
    </message>
    <message>
        <source>The schedule could not be printed to %1.

%2</source>
        <extracomment>%1 is the PDF file; %2 a sentence saying why, on a line of its own</extracomment>
        <translation>تعذرت طباعة جدول السداد إلى %1.

%2</translation>
    </message>
    <message>
        <source>Print Payment Schedule</source>
        <extracomment>The title of the box telling why the schedule wasn&apos;t printed</extracomment>
        <translation>طباعة جدول السداد</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>Print preview of the payment schedule</source>
        <translation>معاينة طباعة جدول السداد</translation>
    </message>
    <message>
        <source>The printer could not be set up.</source>
        <translation>تعذر إعداد الطابعة.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QtReportPrinter</name>
    <message>
        <source>The printer could not start the job.</source>
        <translation>تعذر على الطابعة بدء مهمة الطباعة.</translation>
    </message>
    <message>
        <source>The printer could not finish the job.</source>
        <translation>تعذر على الطابعة إنهاء مهمة الطباعة.</translation>
    </message>
    <message>
        <source>The printer could not start a new sheet.</source>
        <translation>تعذر على الطابعة بدء ورقة جديدة.</translation>
    </message>
    <message>
        <source>None of the chosen pages is in the report.</source>
        <translation>لا يتضمن التقرير أيًّا من الصفحات المختارة.</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>مصنف Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV لجداول البيانات (*.csv)</translation>
    </message>
    <message>
        <source>CSV as shown (*.csv)</source>
        <translation>CSV كما هو معروض (*.csv)</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>جدول سداد القرض</translation>
    </message>
</context>
<context>
    <name>ScheduleGrid</name>
    <message>
        <source>Date</source>
        <extracomment>Column heading: the date of a payment</extracomment>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Column heading: the payment&apos;s number, 1 for the first</extracomment>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>Column heading: the amount paid</extracomment>
        <translation>القسط</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>Column heading: the interest part of the payment</extracomment>
        <translation>الفائدة</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>Column heading: the part of the payment that pays down the principal</extracomment>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>Column heading: the principal still owed after the payment</extracomment>
        <translation>الرصيد</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>Column heading: the extra payment made with this payment, if any</extracomment>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Year Totals</source>
        <extracomment>The label of the row that sums a calendar year&apos;s payments</extracomment>
        <translation>مجموع السنة</translation>
    </message>
    <message>
        <source>Totals</source>
        <extracomment>The label of the closing row that sums the whole schedule</extracomment>
        <translation>الإجمالي</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Date</source>
        <extracomment>The payment&apos;s date, as a column heading of the printed schedule</extracomment>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>The payment&apos;s number (1, 2, 3, ...), as a column heading of the printed schedule</extracomment>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The amount paid, as a column heading of the printed schedule</extracomment>
        <translation>القسط</translation>
    </message>
    <message>
        <source>Interest</source>
        <extracomment>The interest part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>الفائدة</translation>
    </message>
    <message>
        <source>Applied</source>
        <extracomment>The principal part of the payment, as a column heading of the printed schedule</extracomment>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>New Balance</source>
        <extracomment>The principal still owed after the payment, as a column heading of the printed schedule</extracomment>
        <translation>الرصيد المتبقي</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The title of the printed schedule, and the printed document&apos;s name</extracomment>
        <translation>جدول سداد القرض</translation>
    </message>
    <message>
        <source>Page: %1</source>
        <extracomment>At the top right of each printed page; %1 is the page&apos;s number</extracomment>
        <translation>الصفحة: %1</translation>
    </message>
</context>
<context>
    <name>ScheduleValues</name>
    <message>
        <source>Extra</source>
        <extracomment>The heading of the column of the extra paid with each payment, in a spreadsheet</extracomment>
        <translation>دفعة إضافية</translation>
    </message>
</context>
<context>
    <name>ScheduleWorkbook</name>
    <message>
        <source>Schedule</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the payment schedule</extracomment>
        <translation>جدول السداد</translation>
    </message>
    <message>
        <source>Loan</source>
        <extracomment>The name of the workbook&apos;s sheet that holds the loan&apos;s terms</extracomment>
        <translation>القرض</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>تقصير المدة</translation>
    </message>
    <message>
        <source>Lower my payment</source>
        <extracomment>What the extra payments do, as the Extra Payments window offers it</extracomment>
        <translation>تخفيض القسط</translation>
    </message>
    <message>
        <source>Extra each month</source>
        <extracomment>The extra paid with each monthly payment</extracomment>
        <translation>دفعة إضافية شهرية</translation>
    </message>
    <message>
        <source>Starting with payment</source>
        <extracomment>The payment number from which the monthly extra is paid</extracomment>
        <translation>بدءًا من القسط</translation>
    </message>
    <message>
        <source>Extra each year</source>
        <extracomment>The extra paid once a year</extracomment>
        <translation>دفعة إضافية سنوية</translation>
    </message>
    <message>
        <source>In month</source>
        <extracomment>The month in which the yearly extra is paid; the month&apos;s name follows</extracomment>
        <translation>في شهر</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>أثر الدفعة الإضافية</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>دفعات إضافية لمرة واحدة</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No one-time extra payments</extracomment>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>Payment</source>
        <extracomment>The number of the payment a one-time extra is paid with, as a column heading</extracomment>
        <translation>القسط</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>The amount of a one-time extra payment, as a column heading</extracomment>
        <translation>المبلغ</translation>
    </message>
    <message>
        <source>Principal</source>
        <extracomment>The amount borrowed</extracomment>
        <translation>مبلغ القرض</translation>
    </message>
    <message>
        <source>Months</source>
        <extracomment>The number of monthly payments</extracomment>
        <translation>عدد الأشهر</translation>
    </message>
    <message>
        <source>Annual rate</source>
        <translation>سعر الفائدة السنوي</translation>
    </message>
    <message>
        <source>First payment</source>
        <extracomment>The date of the first payment</extracomment>
        <translation>تاريخ القسط الأول</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>القسط الشهري</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>إجمالي الفوائد</translation>
    </message>
    <message>
        <source>Loan Payment Schedule</source>
        <extracomment>The workbook&apos;s title, in its document properties</extracomment>
        <translation>جدول سداد القرض</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>Cannot open link no default browser</source>
        <translation>تعذر فتح الرابط: لا يوجد متصفح افتراضي</translation>
    </message>
    <message>
        <source>No Default Application</source>
        <translation>لا يوجد تطبيق افتراضي</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>There is not enough memory to write the workbook.</source>
        <translation>لا توجد ذاكرة كافية لكتابة المصنف.</translation>
    </message>
    <message>
        <source>The workbook could not be written in the temporary folder %1: %2.</source>
        <extracomment>%1 is the folder; %2 the system&apos;s reason, without its full stop</extracomment>
        <translation>تعذرت كتابة المصنف في المجلد المؤقت %1: %2.</translation>
    </message>
    <message>
        <source>The temporary folder %1 can&apos;t be used. %2</source>
        <extracomment>%1 is the folder; %2 a sentence saying why</extracomment>
        <translation>لا يمكن استخدام المجلد المؤقت %1. %2</translation>
    </message>
</context>
<context>
    <name>quillmere::CompareLoansWindow</name>
    <message>
        <source>Compare Loans</source>
        <translation>مقارنة القروض</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>حفظ المقارنة</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>مصنف Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Loan Comparison</source>
        <translation>مقارنة القروض</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 مجلد. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1.

%2</source>
        <translation>تعذر حفظ المقارنة في %1.

%2</translation>
    </message>
    <message>
        <source>Type three of the amount, the months, the annual rate and the monthly payment.</source>
        <translation>أدخل ثلاثًا من هذه القيم: المبلغ وعدد الأشهر وسعر الفائدة السنوي والقسط الشهري.</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>المقارنة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Bold on green: the lowest of its row.</source>
        <translation>الخط العريض على خلفية خضراء: أدنى قيمة في صفها.</translation>
    </message>
    <message>
        <source>&amp;First payment date</source>
        <translation>&amp;تاريخ القسط الأول</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>تاريخ القسط الأول</translation>
    </message>
    <message>
        <source>Keep the loan for years</source>
        <translation>مدة الاحتفاظ بالقرض بالسنوات</translation>
    </message>
    <message>
        <source>&amp;Keep the loan for</source>
        <translation>&amp;الاحتفاظ بالقرض لمدة</translation>
    </message>
    <message>
        <source>years</source>
        <translation>سنة</translation>
    </message>
    <message>
        <source>&amp;Add Offer</source>
        <translation>إ&amp;ضافة عرض</translation>
    </message>
    <message>
        <source>&amp;Remove Offer</source>
        <translation>إ&amp;زالة عرض</translation>
    </message>
    <message>
        <source>&amp;Save Comparison…</source>
        <translation>&amp;حفظ المقارنة…</translation>
    </message>
    <message>
        <source>A payment of %1 does not cover the interest of %2 a month</source>
        <translation>قسط قدره %1 لا يغطي الفائدة البالغة %2 شهريًا</translation>
    </message>
    <message>
        <source>This payment takes more than %1 months to repay the loan</source>
        <translation>يستغرق سداد القرض بهذا القسط أكثر من %1 شهرًا</translation>
    </message>
    <message>
        <source>No rate from 0 % to 70 % gives this payment</source>
        <translation>لا يوجد سعر فائدة من 0 % إلى 70 % يعطي هذا القسط</translation>
    </message>
    <message>
        <source>These terms lead to amounts beyond what the calculator holds.</source>
        <translation>تؤدي هذه الشروط إلى مبالغ تتجاوز ما تستطيع الحاسبة التعامل معه.</translation>
    </message>
    <message>
        <source>Fill in the amount or the months: only one of them can be worked out.</source>
        <translation>يُرجى إدخال المبلغ أو عدد الأشهر، إذ لا يمكن حساب إلا قيمة واحدة منهما.</translation>
    </message>
    <message>
        <source>Fill in the amount or the annual rate: only one of them can be worked out.</source>
        <translation>يُرجى إدخال المبلغ أو سعر الفائدة السنوي، إذ لا يمكن حساب إلا قيمة واحدة منهما.</translation>
    </message>
    <message>
        <source>Fill in the amount or the monthly payment: only one of them can be worked out.</source>
        <translation>يُرجى إدخال المبلغ أو القسط الشهري، إذ لا يمكن حساب إلا قيمة واحدة منهما.</translation>
    </message>
    <message>
        <source>Fill in the months or the annual rate: only one of them can be worked out.</source>
        <translation>يُرجى إدخال عدد الأشهر أو سعر الفائدة السنوي، إذ لا يمكن حساب إلا قيمة واحدة منهما.</translation>
    </message>
    <message>
        <source>Fill in the months or the monthly payment: only one of them can be worked out.</source>
        <translation>يُرجى إدخال عدد الأشهر أو القسط الشهري، إذ لا يمكن حساب إلا قيمة واحدة منهما.</translation>
    </message>
    <message>
        <source>Fill in the annual rate or the monthly payment: only one of them can be worked out.</source>
        <translation>يُرجى إدخال سعر الفائدة السنوي أو القسط الشهري، إذ لا يمكن حساب إلا قيمة واحدة منهما.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the annual rate: only one of them can be worked out.</source>
        <translation>يُرجى إدخال اثنتين من هذه القيم: المبلغ وعدد الأشهر وسعر الفائدة السنوي، إذ لا يمكن حساب إلا قيمة واحدة منها.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the months and the monthly payment: only one of them can be worked out.</source>
        <translation>يُرجى إدخال اثنتين من هذه القيم: المبلغ وعدد الأشهر والقسط الشهري، إذ لا يمكن حساب إلا قيمة واحدة منها.</translation>
    </message>
    <message>
        <source>Fill in two of the amount, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>يُرجى إدخال اثنتين من هذه القيم: المبلغ وسعر الفائدة السنوي والقسط الشهري، إذ لا يمكن حساب إلا قيمة واحدة منها.</translation>
    </message>
    <message>
        <source>Fill in two of the months, the annual rate and the monthly payment: only one of them can be worked out.</source>
        <translation>يُرجى إدخال اثنتين من هذه القيم: عدد الأشهر وسعر الفائدة السنوي والقسط الشهري، إذ لا يمكن حساب إلا قيمة واحدة منها.</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPaymentsWindow</name>
    <message>
        <source>Extra Payments</source>
        <translation>الدفعات الإضافية</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>الملخص</translation>
    </message>
    <message>
        <source>Schedule with extra payments</source>
        <translation>جدول السداد مع الدفعات الإضافية</translation>
    </message>
    <message>
        <source>Loan Payment Schedule with Extra Payments</source>
        <translation>جدول سداد القرض مع الدفعات الإضافية</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>طباعة…</translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message>
        <source>&amp;Extra each month</source>
        <translation>دفعة إضافية &amp;شهرية</translation>
    </message>
    <message>
        <source>&amp;Starting with payment</source>
        <translation>&amp;بدءًا من القسط</translation>
    </message>
    <message>
        <source>Extra each &amp;year</source>
        <translation>دفعة إضافية &amp;سنوية</translation>
    </message>
    <message>
        <source>In month</source>
        <translation>في شهر</translation>
    </message>
    <message>
        <source>In &amp;month</source>
        <translation>&amp;في شهر</translation>
    </message>
    <message>
        <source>&amp;One-time extra payments</source>
        <translation>دفعات إضافية لمرة &amp;واحدة</translation>
    </message>
    <message>
        <source>One-time extra payments</source>
        <translation>دفعات إضافية لمرة واحدة</translation>
    </message>
    <message>
        <source>Payment</source>
        <comment>the number of the payment an extra goes with</comment>
        <translation>القسط</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>Adds a one-time extra payment</source>
        <translation>يضيف دفعة إضافية لمرة واحدة</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>Removes the selected one-time extra payments</source>
        <translation>يزيل الدفعات الإضافية المحددة لمرة واحدة</translation>
    </message>
    <message>
        <source>What the extra does</source>
        <translation>أثر الدفعة الإضافية</translation>
    </message>
    <message>
        <source>&amp;Pay off sooner</source>
        <translation>&amp;تقصير المدة</translation>
    </message>
    <message>
        <source>&amp;Lower my payment</source>
        <translation>تخفيض ال&amp;قسط</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>الصف %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (و%n رسالة أخرى)</numerusform>
            <numerusform>%1 (ورسالة أخرى)</numerusform>
            <numerusform>%1 (ورسالتان أخريان)</numerusform>
            <numerusform>%1 (و%n رسائل أخرى)</numerusform>
            <numerusform>%1 (و%n رسالة أخرى)</numerusform>
            <numerusform>%1 (و%n رسالة أخرى)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChart</name>
    <message>
        <source>Loan Chart</source>
        <translation>مخطط القرض</translation>
    </message>
    <message>
        <source>Paid each year</source>
        <translation>المدفوع كل سنة</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanChartPlot</name>
    <message>
        <source>Loan chart</source>
        <translation>مخطط القرض</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3</source>
        <translation>القسط %1، %2: الرصيد %3</translation>
    </message>
    <message>
        <source>Payment %1, %2: balance %3 without extras</source>
        <translation>القسط %1، %2: الرصيد %3 دون الدفعات الإضافية</translation>
    </message>
    <message>
        <source>%1: interest %2, principal %3</source>
        <translation>%1: الفائدة %2، الأصل %3</translation>
    </message>
</context>
<context>
    <name>quillmere::LoanYearsModel</name>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>الفائدة</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>الأصل</translation>
    </message>
    <message>
        <source>Balance at year end</source>
        <translation>الرصيد في نهاية السنة</translation>
    </message>
</context>
<context>
    <name>quillmere::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>الشهر التالي</translation>
    </message>
    <message>
        <source>Chooses the month</source>
        <translation>يختار الشهر</translation>
    </message>
    <message>
        <source>Chooses the year</source>
        <translation>يختار السنة</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>السنة</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferChart</name>
    <message>
        <source>%1, at signing, %2: balance %3</source>
        <translation>%1، عند التوقيع، %2: الرصيد %3</translation>
    </message>
    <message>
        <source>%1, at signing, %2: cost so far %3</source>
        <translation>%1، عند التوقيع، %2: التكلفة حتى الآن %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: balance %3</source>
        <translation>%1، القسط %4، %2: الرصيد %3</translation>
    </message>
    <message>
        <source>%1, payment %4, %2: cost so far %3</source>
        <translation>%1، القسط %4، %2: التكلفة حتى الآن %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: balance %3</source>
        <translation>%1، اكتمل السداد في %2: الرصيد %3</translation>
    </message>
    <message>
        <source>%1, paid off %2: cost so far %3</source>
        <translation>%1، اكتمل السداد في %2: التكلفة حتى الآن %3</translation>
    </message>
    <message>
        <source>Balance after each payment</source>
        <translation>الرصيد المتبقي بعد كل قسط</translation>
    </message>
    <message>
        <source>Cost so far (interest + fees)</source>
        <translation>التكلفة حتى الآن (الفوائد + الرسوم)</translation>
    </message>
    <message>
        <source>Fill in an offer to see its chart.</source>
        <translation>أدخل بيانات عرض لرؤية مخططه.</translation>
    </message>
    <message>
        <source>Point at a line to see its figures.</source>
        <translation>أشِر إلى خط لرؤية أرقامه.</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>مخطط المقارنة</translation>
    </message>
    <message>
        <source>Offer %1</source>
        <translation>العرض %1</translation>
    </message>
    <message>
        <source>%1: paid off on %2, total cost %3.</source>
        <translation>%1: يكتمل السداد في %2، التكلفة الإجمالية %3.</translation>
    </message>
</context>
<context>
    <name>quillmere::OfferScheduleWindow</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>جدول سداد القرض</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>طباعة…</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>عرض المخطط…</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>جدول سداد %1</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>جدول سداد %1</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewDialog</name>
    <message>
        <source>Preview tools</source>
        <translation>أدوات المعاينة</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>طباعة…</translation>
    </message>
    <message>
        <source>Print the payment schedule</source>
        <translation>طباعة جدول السداد</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>A button that shows the preview&apos;s first page</extracomment>
        <translation>الأولى</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>الصفحة الأولى</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>A button that shows the page before the one shown</extracomment>
        <translation>السابقة</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>الصفحة السابقة</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>رقم الصفحة</translation>
    </message>
    <message>
        <source>of %1</source>
        <extracomment>After the box with the page shown; %1 is the number of pages</extracomment>
        <translation>من %1</translation>
    </message>
    <message>
        <source>Page count</source>
        <translation>عدد الصفحات</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>A button that shows the page after the one shown</extracomment>
        <translation>التالية</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>الصفحة التالية</translation>
    </message>
    <message>
        <source>Last</source>
        <extracomment>A button that shows the preview&apos;s last page</extracomment>
        <translation>الأخيرة</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>الصفحة الأخيرة</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>ملاءمة العرض</translation>
    </message>
    <message>
        <source>Fit the page to the width</source>
        <translation>ملاءمة الصفحة لعرض النافذة</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>ملاءمة الصفحة</translation>
    </message>
    <message>
        <source>Show the whole page</source>
        <translation>عرض الصفحة كاملة</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
    </message>
</context>
<context>
    <name>quillmere::ReportPreviewView</name>
    <message>
        <source>Pages of the preview</source>
        <translation>صفحات المعاينة</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page shown in the print preview, for a screen reader</extracomment>
        <translation>الصفحة %1 من %2</translation>
    </message>
</context>
<context>
    <name>quillmere::ScheduleGridMenu</name>
    <message>
        <source>Loan Payment Schedule</source>
        <translation>جدول سداد القرض</translation>
    </message>
    <message>
        <source>Schedule menu</source>
        <translation>قائمة جدول السداد</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Save Schedule As…</source>
        <translation>حفظ جدول السداد باسم…</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>معاينة الطباعة…</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 مجلد. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Save Schedule As</source>
        <translation>حفظ جدول السداد باسم</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1.

%2</source>
        <translation>تعذر حفظ جدول السداد في %1.

%2</translation>
    </message>
</context>
<context>
    <name>quillmere::SplashForm</name>
    <message>
        <source>Made by Quillmere</source>
        <translation>من إنتاج Quillmere</translation>
    </message>
    <message>
        <source>Loan Calculator</source>
        <translation>حاسبة القروض</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>زيارة الموقع</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillmere. MIT License.</source>
        <translation>حقوق النشر © 2026 Quillmere. ترخيص MIT.</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator</source>
        <translation>حاسبة قروض Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Loan Calculator, Version %1. Any key or a click on the banner goes on</source>
        <translation>حاسبة قروض Quillmere، الإصدار %1. اضغط أي مفتاح أو انقر على اللافتة للمتابعة</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>اللافتة</translation>
    </message>
    <message>
        <source>A click here goes on to the loan calculator</source>
        <translation>النقر هنا ينقلك إلى حاسبة القروض</translation>
    </message>
    <message>
        <source>Quillmere logo</source>
        <translation>شعار Quillmere</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>شعار الجهة المنتجة</translation>
    </message>
    <message>
        <source>Attribution</source>
        <translation>جهة الإنتاج</translation>
    </message>
    <message>
        <source>Product family</source>
        <translation>عائلة المنتج</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>اسم المنتج</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>What the label shows: the program&apos;s version</extracomment>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>يفتح الموقع الرئيسي للجهة المنتجة في متصفح الويب</translation>
    </message>
    <message>
        <source>Copyright notice</source>
        <translation>إشعار حقوق النشر</translation>
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
        <translation>حاسبة قروض Quillmere</translation>
    </message>
    <message>
        <source>Tell A Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Visit Homepage</source>
        <translation>زيارة الموقع</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Help Documentation</source>
        <translation>دليل المساعدة</translation>
    </message>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>القسط الشهري %1، %n قسط</numerusform>
            <numerusform>القسط الشهري %1، قسط واحد</numerusform>
            <numerusform>القسط الشهري %1، قسطان</numerusform>
            <numerusform>القسط الشهري %1، %n أقساط</numerusform>
            <numerusform>القسط الشهري %1، %n قسطًا</numerusform>
            <numerusform>القسط الشهري %1، %n قسط</numerusform>
        </translation>
    </message>
    <message>
        <source>Loan/Debt Details</source>
        <translation>تفاصيل القرض/الدين</translation>
    </message>
    <message>
        <source>Principal Amount:</source>
        <translation>مبلغ القرض:</translation>
    </message>
    <message>
        <source>Duration in Months:</source>
        <translation>المدة بالأشهر:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>سعر الفائدة:</translation>
    </message>
    <message>
        <source>&amp;Calculate My Payment</source>
        <translation>&amp;حساب القسط</translation>
    </message>
    <message>
        <source>&amp;Print Payment Schedule</source>
        <translation>&amp;طباعة جدول السداد</translation>
    </message>
    <message>
        <source>Your total monthly payment</source>
        <translation>إجمالي قسطك الشهري</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>م&amp;سح</translation>
    </message>
    <message>
        <source>Select First Payment Date</source>
        <translation>اختيار تاريخ القسط الأول</translation>
    </message>
    <message>
        <source>Show Chart…</source>
        <translation>عرض المخطط…</translation>
    </message>
    <message>
        <source>Extra Payments…</source>
        <translation>الدفعات الإضافية…</translation>
    </message>
    <message>
        <source>Compare Loans…</source>
        <translation>مقارنة القروض…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Loan details</source>
        <translation>تفاصيل القرض</translation>
    </message>
    <message>
        <source>The amount, duration and interest rate of the loan or debt</source>
        <translation>مبلغ القرض أو الدين ومدته وسعر فائدته</translation>
    </message>
    <message>
        <source>Principal amount</source>
        <translation>مبلغ القرض</translation>
    </message>
    <message>
        <source>The amount borrowed or owed</source>
        <translation>المبلغ المقترض أو المستحق</translation>
    </message>
    <message>
        <source>Label of the principal amount</source>
        <translation>تسمية مبلغ القرض</translation>
    </message>
    <message>
        <source>Duration in months</source>
        <translation>المدة بالأشهر</translation>
    </message>
    <message>
        <source>The number of monthly payments</source>
        <translation>عدد الأقساط الشهرية</translation>
    </message>
    <message>
        <source>Label of the duration in months</source>
        <translation>تسمية المدة بالأشهر</translation>
    </message>
    <message>
        <source>Interest rate in percent</source>
        <translation>سعر الفائدة بالنسبة المئوية</translation>
    </message>
    <message>
        <source>The annual interest rate in percent, at most 70</source>
        <translation>سعر الفائدة السنوي بالنسبة المئوية، بحد أقصى 70</translation>
    </message>
    <message>
        <source>Label of the interest rate</source>
        <translation>تسمية سعر الفائدة</translation>
    </message>
    <message>
        <source>Calculate my payment</source>
        <translation>حساب القسط</translation>
    </message>
    <message>
        <source>Works out the monthly payment and fills the payment schedule</source>
        <translation>يحسب القسط الشهري ويملأ جدول السداد</translation>
    </message>
    <message>
        <source>Print payment schedule</source>
        <translation>طباعة جدول السداد</translation>
    </message>
    <message>
        <source>Prints the payment schedule</source>
        <translation>يطبع جدول السداد</translation>
    </message>
    <message>
        <source>Monthly payment</source>
        <translation>القسط الشهري</translation>
    </message>
    <message>
        <source>The level monthly payment, read only</source>
        <translation>القسط الشهري الثابت، للقراءة فقط</translation>
    </message>
    <message>
        <source>Label of the monthly payment</source>
        <translation>تسمية القسط الشهري</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Empties the inputs, the payment and the payment schedule</source>
        <translation>يفرّغ المدخلات والقسط وجدول السداد</translation>
    </message>
    <message>
        <source>Payment schedule</source>
        <translation>جدول السداد</translation>
    </message>
    <message>
        <source>One row for each monthly payment, with the year totals and the totals; Ctrl+C copies the selected cells, or the whole schedule, for a spreadsheet</source>
        <translation>صف لكل قسط شهري، مع مجموع كل سنة والإجمالي؛ ينسخ Ctrl+C الخلايا المحددة، أو الجدول كله، للصقها في جدول بيانات</translation>
    </message>
    <message>
        <source>Label of the first payment date</source>
        <translation>تسمية تاريخ القسط الأول</translation>
    </message>
    <message>
        <source>First payment date</source>
        <translation>تاريخ القسط الأول</translation>
    </message>
    <message>
        <source>The date of the first monthly payment</source>
        <translation>تاريخ أول قسط شهري</translation>
    </message>
    <message>
        <source>Works out the monthly payment and the payment schedule of a loan or debt</source>
        <translation>يحسب القسط الشهري وجدول السداد لقرض أو دين</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in the web browser</source>
        <translation>يفتح الموقع الرئيسي للجهة المنتجة في متصفح الويب</translation>
    </message>
    <message>
        <source>Loan files (*.qloan)</source>
        <translation>ملفات القروض (*.qloan)</translation>
    </message>
    <message>
        <source>&amp;Open Loan…</source>
        <translation>&amp;فتح قرض…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>القروض الأخ&amp;يرة</translation>
    </message>
    <message>
        <source>&amp;Save Loan</source>
        <translation>&amp;حفظ القرض</translation>
    </message>
    <message>
        <source>Save Loan &amp;As…</source>
        <translation>حفظ القرض &amp;باسم…</translation>
    </message>
    <message>
        <source>No recent loans</source>
        <translation>لا توجد قروض أخيرة</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;مسح القائمة</translation>
    </message>
    <message>
        <source>Open Loan</source>
        <translation>فتح قرض</translation>
    </message>
    <message>
        <source>The loan could not be opened from %1.

%2</source>
        <translation>تعذر فتح القرض من %1.

%2</translation>
    </message>
    <message>
        <source>Save Loan</source>
        <translation>حفظ القرض</translation>
    </message>
    <message>
        <source>Save Loan As</source>
        <translation>حفظ القرض باسم</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>قرض</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose another name.</source>
        <translation>%1 مجلد. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 موجود بالفعل.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>The loan could not be saved to %1.

%2</source>
        <translation>تعذر حفظ القرض في %1.

%2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات في %1؟</translation>
    </message>
</context>
</TS>
