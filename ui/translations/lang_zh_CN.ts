<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
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
        <translation>超轻警告</translation>
    </message>
    <message>
        <source>Ultra-light warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正常</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超重警告</source>
        <translation>超重警告</translation>
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
        <translation>超轻报警</translation>
    </message>
    <message>
        <source>Ultra-light alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超重报警</source>
        <translation>超重报警</translation>
    </message>
    <message>
        <source>故障</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>ERR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>离线</source>
        <translation>离线</translation>
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
        <translation>创建设备ID:</translation>
    </message>
    <message>
        <source>Create device ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝牙设备MAC地址为:</source>
        <translation>蓝牙设备MAC地址为:</translation>
    </message>
    <message>
        <source>的用户ID不合理,需小于1000大于0</source>
        <translation>的用户ID不合理,需小于1000大于0</translation>
    </message>
</context>
</TS>
