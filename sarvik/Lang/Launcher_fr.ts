<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>main</name>
    <message>
        <source>AutorunDesc</source>
        <translation>%1 n’a pas vérifié vos pilotes depuis un moment. Lancez une analyse pour que votre ordinateur reste performant.</translation>
    </message>
    <message>
        <source>AutorunTitle</source>
        <translation>Il est temps de vérifier vos pilotes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>SettingsBtn</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>TransferButton</source>
        <translation>Me rappeler demain</translation>
    </message>
</context>
</TS>
