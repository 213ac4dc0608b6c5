<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 sudah lama tidak memeriksa driver Anda. Pindai sekarang agar komputer tetap berjalan lancar.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Saatnya memeriksa driver Anda</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Pindai sekarang</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Ingatkan besok</translation>
    </message>
</context>
</TS>
