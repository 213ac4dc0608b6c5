<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 ने कुछ समय से आपके ड्राइवरों की जाँच नहीं की है। कंप्यूटर को सुचारु रूप से चलाने के लिए अभी स्कैन करें।</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>ड्राइवर जाँचने का समय</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>अभी स्कैन करें</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>कल याद दिलाएँ</translation>
    </message>
</context>
</TS>
