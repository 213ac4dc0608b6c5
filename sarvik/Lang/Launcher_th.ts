<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 ไม่ได้ตรวจสอบไดรเวอร์ของคุณมาระยะหนึ่งแล้ว สแกนเดี๋ยวนี้เพื่อให้คอมพิวเตอร์ทำงานได้อย่างราบรื่น</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>ถึงเวลาตรวจสอบไดรเวอร์แล้ว</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>สแกนเดี๋ยวนี้</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>เตือนพรุ่งนี้</translation>
    </message>
</context>
</TS>
