<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vx::Caller</name>
    <message>
        <source>geen score</source>
        <translation>no score</translation>
    </message>
    <message>
        <source>leg</source>
        <translation>leg</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>wedstrijd</source>
        <translation>match</translation>
    </message>
    <message>
        <source>Game shot, en de %1 voor %2</source>
        <translation>Game shot, and the %1 to %2</translation>
    </message>
    <message>
        <source>%1%2 %3, u heeft %4 nodig</source>
        <translation>%1%2 %3, you require %4</translation>
    </message>
</context>
</TS>
