<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk_KZ">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 драйверлеріңізді біраз уақыттан бері тексерген жоқ. Компьютер тұрақты жұмыс істеуі үшін қазір сканерлеңіз.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Драйверлерді тексеретін уақыт келді</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Сканерлеу</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Баптаулар</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Ертең еске салу</translation>
    </message>
</context>
</TS>
