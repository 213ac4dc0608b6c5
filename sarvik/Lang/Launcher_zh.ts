<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 已有一段时间未检查您的驱动。立即扫描，让计算机保持流畅运行。</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>该检查驱动了</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>立即扫描</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>明天提醒我</translation>
    </message>
</context>
</TS>
