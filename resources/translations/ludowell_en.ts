<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LibraryPage</name>
    <message numerus="yes">
        <source>%n GAME(S)</source>
        <translation>
            <numerusform>%n GAME</numerusform>
            <numerusform>%n GAMES</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ludowell::ChildLines</name>
    <message numerus="yes">
        <source>Removed %n log(s) older than 30 days and freed %1.</source>
        <translation>
            <numerusform>Removed %n log older than 30 days and freed %1.</numerusform>
            <numerusform>Removed %n logs older than 30 days and freed %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ludowell::DownloadWatch</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ludowell::LibraryModel</name>
    <message numerus="yes">
        <source>%Ln log(s)</source>
        <translation>
            <numerusform>%Ln log</numerusform>
            <numerusform>%Ln logs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ludowell::Storage</name>
    <message numerus="yes">
        <source>Measuring… %Ln file(s) so far</source>
        <translation>
            <numerusform>Measuring… %Ln file so far</numerusform>
            <numerusform>Measuring… %Ln files so far</numerusform>
        </translation>
    </message>
</context>
</TS>
