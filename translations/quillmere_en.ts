<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ExtraSummary</name>
    <message numerus="yes">
        <source>With extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>With extras: paid off on %1 after %2 payment; total interest %3.</numerusform>
            <numerusform>With extras: paid off on %1 after %2 payments; total interest %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Without extras: paid off on %1 after %2 payment(s); total interest %3.</source>
        <translation>
            <numerusform>Without extras: paid off on %1 after %2 payment; total interest %3.</numerusform>
            <numerusform>Without extras: paid off on %1 after %2 payments; total interest %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 year</numerusform>
            <numerusform>%1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <translation>
            <numerusform>%1 month</numerusform>
            <numerusform>%1 months</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OfferComparison</name>
    <message numerus="yes">
        <source>Interest paid in the first %Ln year(s)</source>
        <translation>
            <numerusform>Interest paid in the first year</numerusform>
            <numerusform>Interest paid in the first %Ln years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cost of the first %Ln year(s)</source>
        <translation>
            <numerusform>Cost of the first year</numerusform>
            <numerusform>Cost of the first %Ln years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Balance left after %Ln year(s)</source>
        <translation>
            <numerusform>Balance left after a year</numerusform>
            <numerusform>Balance left after %Ln years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::ExtraPlanForm</name>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (and %n more)</numerusform>
            <numerusform>%1 (and %n more)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillmere::frmMain</name>
    <message numerus="yes">
        <source>Monthly payment %1, %n payment(s)</source>
        <translation>
            <numerusform>Monthly payment %1, %n payment</numerusform>
            <numerusform>Monthly payment %1, %n payments</numerusform>
        </translation>
    </message>
</context>
</TS>
