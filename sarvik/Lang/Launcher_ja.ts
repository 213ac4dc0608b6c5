<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 でしばらくドライバーがチェックされていません。今すぐスキャンして、コンピューターを快適に保ちましょう。</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>ドライバーをチェックしましょう</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>今すぐスキャン</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>明日通知する</translation>
    </message>
</context>
</TS>
