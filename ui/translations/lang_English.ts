<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>main</name>
    <message>
        <source>vornView</source>
        <translation>vornView</translation>
    </message>
</context>
<context>
    <name>WeightingCellData</name>
    <message>
        <source>超轻警告</source>
        <translation>UnderWarn</translation>
    </message>
    <message>
        <source>Ultra-light warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超重警告</source>
        <translation>OverWarn</translation>
    </message>
    <message>
        <source>Overweight warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overweight alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超轻报警</source>
        <translation>Underload</translation>
    </message>
    <message>
        <source>Ultra-light alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超重报警</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>故障</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>ERR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>离线</source>
        <translation>Off-line</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeightingConTrol</name>
    <message>
        <source>创建设备ID:</source>
        <translation>Create the device ID:</translation>
    </message>
    <message>
        <source>Create device ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙设备MAC地址为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的用户ID不合理,需小于1000大于0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
