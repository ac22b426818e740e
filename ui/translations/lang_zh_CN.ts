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
<context>
    <name>MySetting</name>
    <message>
        <source>项目名字</source>
        <translation>项目名字</translation>
    </message>
    <message>
        <source>创建项目</source>
        <translation>创建项目</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>当前项目错误;</source>
        <translation>当前项目错误;</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>提示信息</translation>
    </message>
    <message>
        <source>提示信息：</source>
        <translation>提示信息：</translation>
    </message>
</context>
<context>
    <name>MyComponetAPP</name>
    <message>
        <source>条形图</source>
        <translation>条形图</translation>
    </message>
    <message>
        <source>数据表</source>
        <translation>数据表</translation>
    </message>
    <message>
        <source>隐藏版本</source>
        <translation>隐藏版本</translation>
    </message>
    <message>
        <source>展开版本</source>
        <translation>展开版本</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>提示信息</translation>
    </message>
    <message>
        <source>布局图</source>
        <translation>布局图</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>折线图</translation>
    </message>
    <message>
        <source>退出应用</source>
        <translation>退出应用</translation>
    </message>
    <message>
        <source>请确认是否退出应用</source>
        <translation>请确认是否退出应用</translation>
    </message>
    <message>
        <source>隐藏分区</source>
        <translation>隐藏分区</translation>
    </message>
    <message>
        <source>展开分区</source>
        <translation>展开分区</translation>
    </message>
    <message>
        <source>页面设置</source>
        <translation>页面设置</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>系统设置</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>软件:</source>
        <translation>软件:</translation>
    </message>
    <message>
        <source>日期:</source>
        <translation>日期:</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>公司:</translation>
    </message>
    <message>
        <source>主控连接状态:</source>
        <translation>主控连接状态:</translation>
    </message>
    <message>
        <source>清理提示信息</source>
        <translation>清理提示信息</translation>
    </message>
    <message>
        <source>提示信息：</source>
        <translation>提示信息：</translation>
    </message>
</context>
<context>
    <name>MyPartMenu</name>
    <message>
        <source>分区</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>新建分区</source>
        <translation>新建分区</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>删除分区</translation>
    </message>
</context>
<context>
    <name>LinePartMenu</name>
    <message>
        <source>分区</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>新建分区</source>
        <translation>新建分区</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>删除分区</translation>
    </message>
</context>
<context>
    <name>PlanPartMenu</name>
    <message>
        <source>分区</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>新建分区</source>
        <translation>新建分区</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>删除分区</translation>
    </message>
    <message>
        <source>导入分区</source>
        <translation>导入分区</translation>
    </message>
</context>
<context>
    <name>ProjectControl</name>
    <message>
        <source>项目创建失败;</source>
        <translation>项目创建失败;</translation>
    </message>
    <message>
        <source>Failed to create project;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project creation succeeded;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project already exists;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>项目文件为空;</source>
        <translation>项目文件为空;</translation>
    </message>
    <message>
        <source>Project file is empty;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>项目文件不存在;</source>
        <translation>项目文件不存在;</translation>
    </message>
    <message>
        <source>Project file does not exist;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开项目成功;</source>
        <translation>打开项目成功;</translation>
    </message>
    <message>
        <source>Project opened successfully;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>项目文件已损坏,已按空项目打开;损坏的文件保存为:</source>
        <translation>项目文件已损坏,已按空项目打开;损坏的文件保存为:</translation>
    </message>
    <message>
        <source>Project file is damaged and was opened as an empty project; the damaged file is kept as: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>项目文件已损坏,已按空项目打开;无法保存损坏文件的副本;</source>
        <translation>项目文件已损坏,已按空项目打开;无法保存损坏文件的副本;</translation>
    </message>
    <message>
        <source>Project file is damaged and was opened as an empty project; no copy of the damaged file could be kept;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>地址:</source>
        <translation>地址:</translation>
    </message>
    <message>
        <source>CRC 校验失败！接收:</source>
        <translation>CRC 校验失败！接收:</translation>
    </message>
    <message>
        <source>, 计算:</source>
        <translation>, 计算:</translation>
    </message>
</context>
</TS>
