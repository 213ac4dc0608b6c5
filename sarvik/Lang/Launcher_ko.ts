<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1에서 한동안 드라이버를 검사하지 않았습니다. 지금 검사하여 컴퓨터를 원활하게 유지하세요.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>드라이버를 검사할 시간입니다</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>지금 검사</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>내일 알림</translation>
    </message>
</context>
</TS>
