<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 bir süredir sürücülerinizi denetlemedi. Bilgisayarınızın sorunsuz çalışması için şimdi tarayın.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Sürücülerinizi denetleme zamanı</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Şimdi tara</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Yarın hatırlat</translation>
    </message>
</context>
</TS>
