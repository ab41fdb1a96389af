<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TString</name>
    <message>
        <source>Menu</source>
        <translation>Test-Menue</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Test-Format</translation>
    </message>
    <message>
        <source>Password </source>
        <translation>Test-Kennwort </translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Test-Passwort</translation>
    </message>
    <message>
        <source>Push Server</source>
        <translation>Test-Push</translation>
    </message>
</context>
<context>
    <name>Other</name>
    <message>
        <source>OK</source>
        <translation>Test-Other-OK</translation>
    </message>
</context>
</TS>
