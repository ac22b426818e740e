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
        <translation type="unfinished" />
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>超重警告</source>
        <translation>OverWarn</translation>
    </message>
    <message>
        <source>Overweight warning</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Overweight alarm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>超轻报警</source>
        <translation>Underload</translation>
    </message>
    <message>
        <source>Ultra-light alarm</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>离线</source>
        <translation>Off-line</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>蓝牙设备MAC地址为:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>的用户ID不合理,需小于1000大于0</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MySetting</name>
    <message>
        <source>项目名字</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>创建项目</source>
        <translation>Create Project</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>当前项目错误;</source>
        <translation>Current project error;</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>Prompt message</translation>
    </message>
    <message>
        <source>提示信息：</source>
        <translation>Prompt message:</translation>
    </message>
</context>
<context>
    <name>MyComponetAPP</name>
    <message>
        <source>条形图</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>数据表</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>隐藏版本</source>
        <translation>Hide Ver</translation>
    </message>
    <message>
        <source>展开版本</source>
        <translation>Unfold Ver</translation>
    </message>
    <message>
        <source>提示信息</source>
        <translation>InfoTip</translation>
    </message>
    <message>
        <source>布局图</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>退出应用</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>请确认是否退出应用</source>
        <translation>Please confirm if you want to exit the application</translation>
    </message>
    <message>
        <source>隐藏分区</source>
        <translation>Hide Zone</translation>
    </message>
    <message>
        <source>展开分区</source>
        <translation>Unfold Zone</translation>
    </message>
    <message>
        <source>页面设置</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>软件:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>日期:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>公司:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>主控连接状态:</source>
        <translation>Master Control Connection Status:</translation>
    </message>
    <message>
        <source>清理提示信息</source>
        <translation>Clear prompt message</translation>
    </message>
    <message>
        <source>提示信息：</source>
        <translation>Prompt message:</translation>
    </message>
</context>
<context>
    <name>MyPartMenu</name>
    <message>
        <source>分区</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>新建分区</source>
        <translation>New partition</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>Delete partition</translation>
    </message>
</context>
<context>
    <name>LinePartMenu</name>
    <message>
        <source>分区</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>新建分区</source>
        <translation>New partition</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>Delete partition</translation>
    </message>
</context>
<context>
    <name>PlanPartMenu</name>
    <message>
        <source>分区</source>
        <translation>Partition</translation>
    </message>
    <message>
        <source>新建分区</source>
        <translation>New partition</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>Delete partition</translation>
    </message>
    <message>
        <source>导入分区</source>
        <translation>Import Partition</translation>
    </message>
</context>
<context>
    <name>ProjectControl</name>
    <message>
        <source>项目创建失败;</source>
        <translation>Project creation failed</translation>
    </message>
    <message>
        <source>Failed to create project;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Project creation succeeded;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Project already exists;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目文件为空;</source>
        <translation>Project file is empty</translation>
    </message>
    <message>
        <source>Project file is empty;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目文件不存在;</source>
        <translation>Project file does not exist</translation>
    </message>
    <message>
        <source>Project file does not exist;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>打开项目成功;</source>
        <translation>Open the project successfully;</translation>
    </message>
    <message>
        <source>Project opened successfully;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目文件已损坏,已按空项目打开;损坏的文件保存为:</source>
        <translation>Project file is damaged and was opened as an empty project; the damaged file is kept as: </translation>
    </message>
    <message>
        <source>Project file is damaged and was opened as an empty project; the damaged file is kept as: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目文件已损坏,已按空项目打开;无法保存损坏文件的副本;</source>
        <translation>Project file is damaged and was opened as an empty project; no copy of the damaged file could be kept;</translation>
    </message>
    <message>
        <source>Project file is damaged and was opened as an empty project; no copy of the damaged file could be kept;</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>项目保存失败:</source>
        <translation>Failed to save project: </translation>
    </message>
    <message>
        <source>Failed to save project: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Device</name>
    <message>
        <source>地址:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CRC 校验失败！接收:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>, 计算:</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MyTableParent</name>
    <message>
        <source>删除分区</source>
        <translation>Delete partition</translation>
    </message>
    <message>
        <source>请确认是否删除该分区</source>
        <translation>Please confirm the deletion of this partition</translation>
    </message>
    <message>
        <source>分区管理</source>
        <translation>Zoning</translation>
    </message>
    <message>
        <source>主区</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>删除分组</source>
        <translation>Delete group</translation>
    </message>
    <message>
        <source>从分组移除</source>
        <translation>Remove from Group</translation>
    </message>
    <message>
        <source>多选</source>
        <translation>Multi-select</translation>
    </message>
    <message>
        <source>添加到分区</source>
        <translation>Add to Partition</translation>
    </message>
    <message>
        <source>从分区移除</source>
        <translation>Remove from partition</translation>
    </message>
    <message>
        <source>分组:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>请选择需添加的设备</source>
        <translation>Please select the device to add</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>故障</source>
        <translation>ERR</translation>
    </message>
    <message>
        <source>在线</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>离线</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>设备名称</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>请选择需删除的组</source>
        <translation>Select group to delete</translation>
    </message>
    <message>
        <source>请选择设备</source>
        <translation>Please select the device</translation>
    </message>
    <message>
        <source>删除组</source>
        <translation>Delete Group</translation>
    </message>
    <message>
        <source>请确认是否删除该组</source>
        <translation>Confirm delete group</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>超轻报警</source>
        <translation>UnderAlarm</translation>
    </message>
    <message>
        <source>超重报警</source>
        <translation>OverAlarm</translation>
    </message>
    <message>
        <source>超轻警告</source>
        <translation>UnderWarn</translation>
    </message>
    <message>
        <source>超重警告</source>
        <translation>OverWarn</translation>
    </message>
    <message>
        <source>称重类型</source>
        <translation>Weighing type</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Record Min</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Record Max</translation>
    </message>
    <message>
        <source>总重/组</source>
        <translation>Total weight/Group</translation>
    </message>
    <message>
        <source>未知设备</source>
        <translation>Unknown device</translation>
    </message>
</context>
<context>
    <name>FigureState</name>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>超轻警告</source>
        <translation>Ultra-light warning</translation>
    </message>
    <message>
        <source>超重警告</source>
        <translation>Overweight warning</translation>
    </message>
    <message>
        <source>超轻报警</source>
        <translation>Ultra-light alarm</translation>
    </message>
    <message>
        <source>超重报警</source>
        <translation>Overweight alarm</translation>
    </message>
    <message>
        <source>故障</source>
        <translation>ERR</translation>
    </message>
    <message>
        <source>离线</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>CellInfoText</name>
    <message>
        <source>名字:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>重量:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>状态:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>超轻报警重量:</source>
        <translation>Ultra-light alarm weight:</translation>
    </message>
    <message>
        <source>超重报警重量:</source>
        <translation>Overweight alarm weight:</translation>
    </message>
    <message>
        <source>超轻警告重量:</source>
        <translation>Ultra-light warning weight:</translation>
    </message>
    <message>
        <source>超重警告重量:</source>
        <translation>Overweight warning weight:</translation>
    </message>
    <message>
        <source>最小重量:</source>
        <translation>Minimum weight:</translation>
    </message>
    <message>
        <source>最大重量:</source>
        <translation>Maximum weight:</translation>
    </message>
    <message>
        <source>错误号:</source>
        <translation>Error number:</translation>
    </message>
    <message>
        <source>蓝牙电量:</source>
        <translation>Bluetooth battery:</translation>
    </message>
    <message>
        <source>蓝牙MAC:</source>
        <translation>Bluetooth addr:</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>(总重/组)</source>
        <translation>(A/G)</translation>
    </message>
    <message>
        <source>(称重)</source>
        <translation>(CZ)</translation>
    </message>
</context>
<context>
    <name>MyBarChartParent</name>
    <message>
        <source>主区</source>
        <translation>Root</translation>
    </message>
</context>
<context>
    <name>BarChartSetting</name>
    <message>
        <source>条形图页面设置</source>
        <translation>Graph Page Setup</translation>
    </message>
    <message>
        <source>显示信息:</source>
        <translation>Display content:</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>[最大最小值]</source>
        <translation>[Max-Min]</translation>
    </message>
    <message>
        <source>&gt;报警标记&lt;</source>
        <translation>&gt;Alert Marker&lt;</translation>
    </message>
    <message>
        <source>●警告标记●</source>
        <translation>●Warn Marker●</translation>
    </message>
    <message>
        <source>坐标轴自适应</source>
        <translation>Coordinate axis adaptive</translation>
    </message>
    <message>
        <source>轴X1:</source>
        <translation>AxisX1:</translation>
    </message>
    <message>
        <source>轴X2:</source>
        <translation>AxisX2:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>图形宽度: </source>
        <translation>Graphic Width : </translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>MySystemSetting</name>
    <message>
        <source>系统设置</source>
        <translation>System Setup</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>手册</source>
        <translation>manual</translation>
    </message>
    <message>
        <source>数码管显示</source>
        <translation>Digit Display</translation>
    </message>
    <message>
        <source>开启声音</source>
        <translation>Sound On</translation>
    </message>
    <message>
        <source>关闭声音</source>
        <translation>Sound Off</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save setup</translation>
    </message>
    <message>
        <source>Language/语言:</source>
        <translation>Language/语言:</translation>
    </message>
    <message>
        <source>数据存储采样率:</source>
        <translation>Sampling Rate:</translation>
    </message>
    <message>
        <source>显示重量</source>
        <translation>Display Weight</translation>
    </message>
    <message>
        <source>显示地址</source>
        <translation>Display Address</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>单位:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>接收端口号:</source>
        <translation>Receive Port:</translation>
    </message>
    <message>
        <source>超轻报警</source>
        <translation>UnderAlarm</translation>
    </message>
    <message>
        <source>超重报警</source>
        <translation>OverAlarm</translation>
    </message>
    <message>
        <source>超轻警告</source>
        <translation>UnderWarn</translation>
    </message>
    <message>
        <source>超重警告</source>
        <translation>OverWarn</translation>
    </message>
    <message>
        <source>数据存储目录:</source>
        <translation>Data Storage Dir:</translation>
    </message>
    <message>
        <source>数据存储</source>
        <translation>Data Saving</translation>
    </message>
    <message>
        <source>设置文件存储目录:</source>
        <translation>Set file storage directory:</translation>
    </message>
    <message>
        <source>重选项目</source>
        <translation>Reselect project</translation>
    </message>
    <message>
        <source>新建项目</source>
        <translation>Create new project</translation>
    </message>
</context>
<context>
    <name>LinePlot</name>
    <message>
        <source>重量:</source>
        <translation>Load:</translation>
    </message>
    <message>
        <source>名字:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>实时曲线</source>
        <translation>Real-time Curve</translation>
    </message>
    <message>
        <source>历史曲线</source>
        <translation>Historical Curve</translation>
    </message>
    <message>
        <source>实时曲线已暂停</source>
        <translation>Real-time curve is paused</translation>
    </message>
    <message>
        <source>正在读取数据,请稍后...</source>
        <translation>Loading data, please wait...</translation>
    </message>
</context>
<context>
    <name>LinePlotParent</name>
    <message>
        <source>分区管理</source>
        <translation>Zoning</translation>
    </message>
    <message>
        <source>主区</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>Delete partition</translation>
    </message>
    <message>
        <source>请确认是否删除该分区</source>
        <translation>Please confirm the deletion of this partition</translation>
    </message>
</context>
<context>
    <name>LinePlotSetting</name>
    <message>
        <source>折线图页面设置</source>
        <translation>Line Page Setup</translation>
    </message>
    <message>
        <source>暂停实时曲线</source>
        <translation>Pause Real-time</translation>
    </message>
    <message>
        <source>运行实时曲线</source>
        <translation>Run Real-time</translation>
    </message>
    <message>
        <source>加载历史曲线</source>
        <translation>Load historical curve</translation>
    </message>
    <message>
        <source>加载实时曲线</source>
        <translation>Load real-time curve</translation>
    </message>
    <message>
        <source>添加曲线</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除曲线</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>设置观测时间:</source>
        <translation>Set Run Time:</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>历史曲线观测时间:</source>
        <translation>Historical Curve Time:</translation>
    </message>
    <message>
        <source>起点:</source>
        <translation>Start time:</translation>
    </message>
    <message>
        <source>终点:</source>
        <translation>End time:</translation>
    </message>
    <message>
        <source>折线宽度:</source>
        <translation>Line Width:</translation>
    </message>
</context>
<context>
    <name>PlanParent</name>
    <message>
        <source>分区管理</source>
        <translation>Zoning</translation>
    </message>
    <message>
        <source>主区</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>删除分区</source>
        <translation>Delete partition</translation>
    </message>
    <message>
        <source>请确认是否删除该分区</source>
        <translation>Please confirm the deletion of this partition</translation>
    </message>
</context>
<context>
    <name>PlanSetting</name>
    <message>
        <source>布局图页面设置</source>
        <translation>Plan Page Setup</translation>
    </message>
    <message>
        <source>选择背景图片</source>
        <translation>Choose Background</translation>
    </message>
    <message>
        <source>清除背景图片</source>
        <translation>Clear Background</translation>
    </message>
    <message>
        <source>图片复位</source>
        <translation>Image Reset</translation>
    </message>
    <message>
        <source>显示名称</source>
        <translation>Display Name</translation>
    </message>
    <message>
        <source>单项添加</source>
        <translation>Single Add</translation>
    </message>
    <message>
        <source>单项删除</source>
        <translation>Single Del</translation>
    </message>
    <message>
        <source>1.01-1.99</source>
        <translation>10.01-10.99</translation>
    </message>
    <message>
        <source>批量添加</source>
        <translation>Bulk Add</translation>
    </message>
    <message>
        <source>批量删除</source>
        <translation>Bulk Del</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>MyMenuInfShow</name>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
</context>
<context>
    <name>MyTableSettingTopMenu</name>
    <message>
        <source>数据表页面设置</source>
        <translation>Table Page Setup</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>置顶</source>
        <translation>Move top</translation>
    </message>
    <message>
        <source>置底</source>
        <translation>Move bottom</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>升序</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>降序</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>全部选中</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>批量选中</source>
        <translation>Batch select</translation>
    </message>
    <message>
        <source>筛选列</source>
        <translation>Column filter</translation>
    </message>
    <message>
        <source>超轻报警</source>
        <translation>Underload</translation>
    </message>
    <message>
        <source>超重报警</source>
        <translation>Overload</translation>
    </message>
    <message>
        <source>超轻警告</source>
        <translation>UnderWarn</translation>
    </message>
    <message>
        <source>超重警告</source>
        <translation>OverWarn</translation>
    </message>
    <message>
        <source>称重类型</source>
        <translation>Weighing Type</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maxmum</translation>
    </message>
    <message>
        <source>重置最大最小值</source>
        <translation>Reset record Max/Min</translation>
    </message>
    <message>
        <source>去皮重量:</source>
        <translation>Tare Weight:</translation>
    </message>
    <message>
        <source>去皮</source>
        <translation>Tare</translation>
    </message>
    <message>
        <source>增删设备:</source>
        <translation>Create/delete devices:</translation>
    </message>
    <message>
        <source>RWX4401(有线)</source>
        <translation>RWX4401(Wired)</translation>
    </message>
    <message>
        <source>RWX5502(无线)</source>
        <translation>RWX5502(Wireless)</translation>
    </message>
    <message>
        <source>扫描在线设备</source>
        <translation>Scan on-line devices</translation>
    </message>
    <message>
        <source>删除设备</source>
        <translation>Delete device</translation>
    </message>
    <message>
        <source>请确认是否删除该设备</source>
        <translation>Please confirm if you want to delete this device</translation>
    </message>
    <message>
        <source>新建设备</source>
        <translation>Create device</translation>
    </message>
    <message>
        <source>批量新建设备</source>
        <translation>Create devices in bulk</translation>
    </message>
    <message>
        <source>MAC地址:</source>
        <translation>MAC address:</translation>
    </message>
    <message>
        <source>后四位,如“8F:59”</source>
        <translation>Last 4, e.g., '8F:59'</translation>
    </message>
    <message>
        <source>预设值修改:</source>
        <translation>Adjust preset settings:</translation>
    </message>
    <message>
        <source>百分比设置</source>
        <translation>Set value by Percentage</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>设备名字修改:</source>
        <translation>Rename device:</translation>
    </message>
    <message>
        <source>超轻警告重量:</source>
        <translation>Underload Warn:</translation>
    </message>
    <message>
        <source>超重警告重量:</source>
        <translation>Overload Warn:</translation>
    </message>
    <message>
        <source>超轻报警重量:</source>
        <translation>Underload Alarm:</translation>
    </message>
    <message>
        <source>超重报警重量:</source>
        <translation>Overload Alarm:</translation>
    </message>
    <message>
        <source>超轻警告重量(%):</source>
        <translation>Underload Warn(%):</translation>
    </message>
    <message>
        <source>超重警告重量(%):</source>
        <translation>Overload Warn(%):</translation>
    </message>
    <message>
        <source>超轻报警重量(%):</source>
        <translation>Underload Alarm(%):</translation>
    </message>
    <message>
        <source>超重报警重量(%):</source>
        <translation>Overload Alarm(%):</translation>
    </message>
    <message>
        <source>请选择需修改的设备</source>
        <translation>Please select the device to modify</translation>
    </message>
    <message>
        <source>请选择需删除的设备</source>
        <translation>Please select device to delete</translation>
    </message>
    <message>
        <source>请输入正确的ID格式</source>
        <translation>Please enter the correct ID format</translation>
    </message>
    <message>
        <source>请输入正确的ID号,需大于x.0</source>
        <translation>Please enter the correct ID,
it must be over x.0</translation>
    </message>
    <message>
        <source>请输入相同的主控号</source>
        <translation>Please enter the same
master control number</translation>
    </message>
    <message>
        <source>请输入正确的MAC地址格式</source>
        <translation>Please enter the correct MAC address format</translation>
    </message>
</context>
</TS>
