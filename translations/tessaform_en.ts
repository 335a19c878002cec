<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Tessaform,版本号：Zari 1.0.1.4<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
Tessaform, version: Zari 1.0.1.4<byte value="xd"/>
<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>Ae2Window</name>
    <message>
        <source>石英磨具删除配方</source>
        <translation>Remove grindstone</translation>
    </message>
    <message>
        <source>增加压印器配方</source>
        <translation>Add inscriber recipe</translation>
    </message>
    <message>
        <source>合成→</source>
        <translation>Makes →</translation>
    </message>
    <message>
        <source>删除压印器配方</source>
        <translation>Remove inscriber</translation>
    </message>
    <message>
        <source>物品id</source>
        <translation>Item id</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
</context>
<context>
    <name>BatchImportWindow</name>
    <message>
        <source>列表没有写入：%1<byte value="xd"/>
%2</source>
        <translation>The list was not written: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>写入完毕！</source>
        <translation>Stored!</translation>
    </message>
    <message>
        <source>批量导入物品或方块id</source>
        <translation>Batch import item or block ids</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>批量导入可以让你免受一行一行复制的痛苦！（每行一个）</source>
        <translation>Batch import spares you copying ids one by one! (one per line)</translation>
    </message>
</context>
<context>
    <name>BatchRows</name>
    <message>
        <source>临时文件已被另一个程序修改……</source>
        <translation>Another program changed the temporary file…</translation>
    </message>
    <message>
        <source>本程序上次存入或读取的列表有 %1 个id，文件中现在的列表有 %2 个id。<byte value="xd"/>
要用文件中现在的列表写入吗？</source>
        <translation>The list this program last stored or read has %1 ids; the list in the file now has %2 ids.<byte value="xd"/>
Write using the list that is in the file now?</translation>
    </message>
    <message>
        <source>使用文件中的列表</source>
        <translation>Use the file&apos;s list</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Checker</name>
    <message>
        <source>名字</source>
        <translation>a name</translation>
    </message>
    <message>
        <source>整数</source>
        <translation>an integer</translation>
    </message>
    <message>
        <source>「]」或「,」</source>
        <translation>&apos;]&apos; or &apos;,&apos;</translation>
    </message>
    <message>
        <source>「}」或「,」</source>
        <translation>&apos;}&apos; or &apos;,&apos;</translation>
    </message>
    <message>
        <source>两个逗号之间少了一个值</source>
        <translation>A value is missing between two commas</translation>
    </message>
    <message>
        <source>逗号前面少了一个值</source>
        <translation>A value is missing before the comma</translation>
    </message>
    <message>
        <source>「*」后面少了数量</source>
        <translation>A count is missing after &apos;*&apos;</translation>
    </message>
    <message>
        <source>最后一个逗号后面少了一个值（调用的括号里不能以逗号结尾）</source>
        <translation>A value is missing after the last comma (a call&apos;s parentheses cannot end with a comma)</translation>
    </message>
    <message>
        <source>「%1」前面少了一个值</source>
        <translation>A value is missing before &apos;%1&apos;</translation>
    </message>
    <message>
        <source>「.」后面应当是名字，却是「%1」</source>
        <translation>Expected a name after &apos;.&apos;, found &apos;%1&apos;</translation>
    </message>
    <message>
        <source>多了一个「;」，这里没有语句</source>
        <translation>Extra &apos;;&apos;: there is no statement here</translation>
    </message>
    <message>
        <source>import 只能写在文件开头、所有语句之前</source>
        <translation>import can only be at the start of the file, before all statements</translation>
    </message>
    <message>
        <source>这里应当是一个值，却是「%1」</source>
        <translation>Expected a value here, found &apos;%1&apos;</translation>
    </message>
    <message>
        <source>这里应当是%1，却是「%2」</source>
        <translation>Expected %1 here, found &apos;%2&apos;</translation>
    </message>
    <message>
        <source>这里应当是%1，文件却已结束</source>
        <translation>Expected %1 here, but the file ended</translation>
    </message>
    <message>
        <source>字符串在「%1」前面就结束了：字符串里的引号要写成 \&quot;</source>
        <translation>The string ends before &apos;%1&apos;: write a quote inside a string as \&quot;</translation>
    </message>
    <message>
        <source>「%1」被读成了一个负数：减号和数字之间要加空格</source>
        <translation>&apos;%1&apos; is read as a negative number: put a space between the minus sign and the number</translation>
    </message>
    <message>
        <source>文件在这里意外结束，后面还少内容</source>
        <translation>The file ends here unexpectedly; something is missing</translation>
    </message>
    <message>
        <source>这里应当是类型名，却是「%1」</source>
        <translation>Expected a type name here, found &apos;%1&apos;</translation>
    </message>
    <message>
        <source>global/static 后面少了名字</source>
        <translation>A name is missing after global/static</translation>
    </message>
    <message>
        <source>global/static 变量必须用「=」赋初值</source>
        <translation>A global/static variable must be given a value with &apos;=&apos;</translation>
    </message>
    <message>
        <source>函数参数的默认值不能是变量</source>
        <translation>A function parameter&apos;s default value cannot be a variable</translation>
    </message>
    <message>
        <source>参数「%1」也要有默认值：前面的参数已有默认值</source>
        <translation>Parameter &apos;%1&apos; needs a default value too: an earlier parameter has one</translation>
    </message>
    <message>
        <source>括号或语句嵌套超过 %1 层，太深了</source>
        <translation>Brackets or statements are nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>数字「%1」写法不对或超出范围</source>
        <translation>The number &apos;%1&apos; is malformed or out of range</translation>
    </message>
    <message>
        <source>文件开头有 BOM（字节顺序标记），游戏读不了：请存成不带 BOM 的 UTF-8</source>
        <translation>The file starts with a BOM (byte order mark), which the game cannot read: save it as UTF-8 without BOM</translation>
    </message>
    <message>
        <source>这里有一个特殊空格（%1），要换成普通空格</source>
        <translation>There is a special space here (%1): replace it with a normal space</translation>
    </message>
    <message>
        <source>尖括号里的 id 不能有中文或全角字符「%1」</source>
        <translation>An id in angle brackets cannot contain Chinese or full-width characters: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>「%1」是中文或全角字符：字符串和注释以外只能用英文半角字符</source>
        <translation>&apos;%1&apos; is a Chinese or full-width character: outside strings and comments, use only ASCII characters</translation>
    </message>
    <message>
        <source>这里有一个看不见的控制字符（%1）</source>
        <translation>There is an invisible control character here (%1)</translation>
    </message>
    <message>
        <source>这里不能有字符「%1」</source>
        <translation>The character &apos;%1&apos; is not allowed here</translation>
    </message>
    <message>
        <source>字符串里的「\%1」不是有效的转义（可用 \&quot; \&apos; \\ \/ \b \f \n \r \t \uXXXX）</source>
        <translation>&apos;\%1&apos; in a string is not a valid escape (use \&quot; \&apos; \\ \/ \b \f \n \r \t \uXXXX)</translation>
    </message>
    <message>
        <source>第 %1 行开始的字符串没有结束：少了收尾的引号</source>
        <translation>The string that starts on line %1 is not closed: the closing quote is missing</translation>
    </message>
    <message>
        <source>第 %1 行开始的注释「/*」没有结束：少了「*/」</source>
        <translation>The comment &apos;/*&apos; that starts on line %1 is not closed: &apos;*/&apos; is missing</translation>
    </message>
    <message>
        <source>第 %1 行的「&lt;」没有对应的「&gt;」</source>
        <translation>The &apos;&lt;&apos; on line %1 has no matching &apos;&gt;&apos;</translation>
    </message>
    <message>
        <source>尖括号里的 id 是空的</source>
        <translation>The id in the angle brackets is empty</translation>
    </message>
    <message>
        <source>文件不是有效的 UTF-8 编码（从第 %1 行起），游戏会把它读成乱码</source>
        <translation>The file is not valid UTF-8 (from line %1 on); the game will read it as garbled text</translation>
    </message>
    <message>
        <source>第 %1 行第 %2 列：%3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>'%1'</translation>
    </message>
    <message>
        <source>整合包里没有 %1，是不是 %2？</source>
        <translation>%1 is not in the pack. Did you mean %2?</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>整合包里没有 %1</source>
        <translation>%1 is not in the pack</translation>
    </message>
</context>
<context>
    <name>ChemicalInjectionWindow</name>
    <message>
        <source>化学压射室</source>
        <translation>Chemical Injection Chamber</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>添加化学压射室配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除化学压射室配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除化学压射室所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>输入（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>ChemicalOxidizerWindow</name>
    <message>
        <source>化学氧化机</source>
        <translation>Chemical Oxidizer</translation>
    </message>
    <message>
        <source>添加化学氧化机配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>删除化学氧化机配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除化学氧化机所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>输出（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输出（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>ChemicalWasherWindow</name>
    <message>
        <source>化学清洗机</source>
        <translation>Chemical Washer</translation>
    </message>
    <message>
        <source>添加化学清洗机配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除化学清洗机配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除化学清洗机所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>输入（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输出（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>CodeTerminalWindow</name>
    <message>
        <source>魔改代码终端</source>
        <translation>Script terminal</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>CombinerWindow</name>
    <message>
        <source>融合机</source>
        <translation>Combiner</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>添加融合机配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除融合机配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除融合机所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>不认识的选项「%1」</source>
        <translation>Unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>选项「%1」后面少了值</source>
        <translation>Option &apos;%1&apos; needs a value</translation>
    </message>
    <message>
        <source>选项「%1」不带值</source>
        <translation>Option &apos;%1&apos; takes no value</translation>
    </message>
    <message>
        <source>用 tessaform --help 查看用法。</source>
        <translation>See tessaform --help for usage.</translation>
    </message>
    <message>
        <source>要检查脚本请用 --check 路径...</source>
        <translation>To check scripts, use --check PATH...</translation>
    </message>
    <message>
        <source>--check 后面少了要检查的文件或文件夹</source>
        <translation>--check needs the files or folders to check</translation>
    </message>
    <message>
        <source>读不了「%1」：这不是普通文件，也不是文件夹</source>
        <translation>Cannot read &apos;%1&apos;: it is neither a regular file nor a folder</translation>
    </message>
    <message>
        <source>读不了「%1」：没有这个文件或文件夹</source>
        <translation>Cannot read &apos;%1&apos;: no such file or folder</translation>
    </message>
    <message>
        <source>读不了「%1」：%2</source>
        <translation>Cannot read &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>游戏遇到这个语法错误就会跳过之后的 %1 个脚本文件</source>
        <translation>Because of this syntax error, the game skips every script file loaded after this one (%1)</translation>
    </message>
    <message>
        <source>用法：tessaform --check [--pack 游戏文件夹] 路径...

按游戏读取脚本的方式检查 ZenScript 脚本（.zs），不需要图形界面。
路径可以是文件或文件夹；文件夹里的脚本按游戏的加载顺序检查：先按 #priority
从高到低，再按相对路径（不分大小写）；带 #norun 的文件跳过。

每个问题输出一行：路径:行:列: error: 说明（或 warning: 说明）。
第一个有语法错误的文件后面还有一行 note:，说明游戏因此会跳过之后的多少个脚本文件。

选项：
  --check 路径...   检查这些文件和文件夹
  --pack 游戏文件夹  同时按这个整合包的 id 列表检查 &lt;...&gt; 里的 id
  -h, --help        显示这段说明

退出码：0 没有错误；1 脚本里有错误；2 有路径读不了或参数不对。
不带 --check 时照常打开程序窗口。
</source>
        <translation>Usage: tessaform --check [--pack GAMEDIR] PATH...

Checks ZenScript scripts (.zs) the way the game reads them, without a window.
A path is a file or a folder; a folder&apos;s scripts are checked in load order: by #priority
from high to low, then by relative path (ignoring case); files with #norun are skipped.

Each problem is one line: path:line:column: error: text (or warning: text).
The first file with a syntax error also gets a note: line saying how many later scripts the game skips.

Options:
  --check PATH...   check these files and folders
  --pack GAMEDIR    also check the ids in &lt;...&gt; against this pack&apos;s id lists
  -h, --help        show this help

Exit code: 0 no errors; 1 errors in the scripts; 2 a path is unreadable or the arguments are wrong.
Without --check, the program window opens as usual.
</translation>
    </message>
    <message>
        <source>这个程序不能读整合包</source>
        <translation>this program cannot read a pack</translation>
    </message>
</context>
<context>
    <name>CompressorWindow</name>
    <message>
        <source>锇压缩机</source>
        <translation>Osmium Compressor</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>添加锇压缩机配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除锇压缩机配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除所有锇压缩机配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>输入（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>CraftingWindow</name>
    <message>
        <source>合成</source>
        <translation>Crafting</translation>
    </message>
    <message>
        <source>移除一个配方</source>
        <translation>Remove a recipe</translation>
    </message>
    <message>
        <source>删除一个无序合成</source>
        <translation>Remove a shapeless recipe</translation>
    </message>
    <message>
        <source>删除一个有序合成</source>
        <translation>Remove a shaped recipe</translation>
    </message>
    <message>
        <source>移除这个物品的所有合成方式</source>
        <translation>Remove every recipe of this item</translation>
    </message>
    <message>
        <source>注释：删除这个物品所有合成方式只需要填写Output,其他模式要填写Output与Input，会删除用Input合成Output的合成方式</source>
        <translation>Note: every recipe of an item needs only Output; the others need Output and Input.</translation>
    </message>
    <message>
        <source>特殊要求！这里的命名ID前后要加尖括号“&lt;&gt;”，如<byte value="xd"/>
minecraft:egg变为&lt;minecraft:egg&gt;↓</source>
        <translation>Note: the ids here need angle brackets &quot;&lt;&gt;&quot;, e.g.<byte value="xd"/>
minecraft:egg becomes &lt;minecraft:egg&gt;↓</translation>
    </message>
    <message>
        <source>添加一个配方</source>
        <translation>Add a recipe</translation>
    </message>
    <message>
        <source>合成↓(这里不需要填&quot;&lt;&gt;&quot;)</source>
        <translation>Recipe↓ (no &quot;&lt;&gt;&quot; here)</translation>
    </message>
    <message>
        <source>合成名称（必填）</source>
        <translation>Recipe name</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>required</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>导出zs可以写入总变量后退回到主页面并点击导出</source>
        <translation>To export: add the code to the script, then press Export in the main window</translation>
    </message>
    <message>
        <source>必点！把代码写入到总变量</source>
        <translation>Press this! Add the code to the script to export</translation>
    </message>
</context>
<context>
    <name>CrusherWindow</name>
    <message>
        <source>磨粉机</source>
        <translation>Crusher</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>添加磨粉机配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除磨粉机配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除磨粉机全部配方</source>
        <translation>Remove all recipes</translation>
    </message>
</context>
<context>
    <name>EnrichmentWindow</name>
    <message>
        <source>富集仓</source>
        <translation>Enrichment Chamber</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>添加富集仓配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除富集仓配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除富集仓全部配方</source>
        <translation>Remove all recipes</translation>
    </message>
</context>
<context>
    <name>ExNihiloWindow</name>
    <message>
        <source>无中生有</source>
        <translation>Ex Nihilo</translation>
    </message>
    <message>
        <source>添加热值</source>
        <translation>Add heat source</translation>
    </message>
    <message>
        <source>方块</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>热值</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>添加筛矿</source>
        <translation>Add sieve drop</translation>
    </message>
    <message>
        <source>选择筛网</source>
        <translation>Mesh</translation>
    </message>
    <message>
        <source>用(block)</source>
        <translation>Sifted</translation>
    </message>
    <message>
        <source>筛出</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
    <message>
        <source>几率</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>ExportWindow</name>
    <message>
        <source>写入失败：%1<byte value="xd"/>
%2</source>
        <translation>Writing failed: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>写入完成！</source>
        <translation>Written!</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>写入脚本到</source>
        <translation>Write script to</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>ZenScript脚本</source>
        <translation>ZenScript script</translation>
    </message>
</context>
<context>
    <name>ExtremeCraftingWindow</name>
    <message>
        <source>特殊要求！这里的命名ID前后要加尖括号“&lt;&gt;”，如<byte value="xd"/>
minecraft:egg变为&lt;minecraft:egg&gt;↓</source>
        <translation>Note: the ids here need angle brackets &quot;&lt;&gt;&quot;, e.g.<byte value="xd"/>
minecraft:egg becomes &lt;minecraft:egg&gt;↓</translation>
    </message>
    <message>
        <source>合成↓(这里不需要填&quot;&lt;&gt;&quot;)</source>
        <translation>Recipe↓ (no &quot;&lt;&gt;&quot; here)</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>required</translation>
    </message>
    <message>
        <source>添加合成</source>
        <translation>Add recipe</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>没有指定文件路径</source>
        <translation>No file path was given</translation>
    </message>
    <message>
        <source>这个路径是一个文件夹</source>
        <translation>This path is a folder</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>No permission to write</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>Not enough disk space</translation>
    </message>
    <message>
        <source>超出了磁盘配额</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>文件名或路径太长</source>
        <translation>The file name or path is too long</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>The disk is read-only</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>Part of the path is not a folder</translation>
    </message>
    <message>
        <source>读写磁盘时出错</source>
        <translation>Disk read/write error</translation>
    </message>
    <message>
        <source>文件正在被使用</source>
        <translation>The file is in use</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>路径中的符号链接太多</source>
        <translation>Too many symbolic links in the path</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>无法写入文件</source>
        <translation>Cannot write the file</translation>
    </message>
    <message>
        <source>这个路径不是普通文件</source>
        <translation>This path is not a regular file</translation>
    </message>
    <message>
        <source>路径中有换行符或其他控制字符，不能用作文件名</source>
        <translation>The path contains a line break or another control character and cannot be used as a file name</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>FurnaceWindow</name>
    <message>
        <source>熔炉</source>
        <translation>Furnace</translation>
    </message>
    <message>
        <source>删除熔炉配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除所有以input为输入的output配方</source>
        <translation>Remove output&apos;s recipes from input</translation>
    </message>
    <message>
        <source>删除所有Output的熔炉配方</source>
        <translation>Remove all recipes of Output</translation>
    </message>
    <message>
        <source>添加熔炉配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>给予经验</source>
        <translation>XP</translation>
    </message>
    <message>
        <source>添加燃料</source>
        <translation>Add fuel</translation>
    </message>
    <message>
        <source>燃料</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>燃烧时间（tick）</source>
        <translation>Burn time (ticks)</translation>
    </message>
    <message>
        <source>导出zs可以写入总变量后退回到主页面并点击导出</source>
        <translation>To export: add the code to the script, then press Export in the main window</translation>
    </message>
    <message>
        <source>必点！把代码写入到总变量</source>
        <translation>Press this! Add the code to the script to export</translation>
    </message>
</context>
<context>
    <name>FusionRecipeWindow</name>
    <message>
        <source>文件名称必须为CustomFusionRecipes.json！</source>
        <translation>The file must be named CustomFusionRecipes.json!</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>龙之研究</source>
        <translation>Fusion crafting</translation>
    </message>
    <message>
        <source>这里所有的物品id要添加引号（minecraft:ice变为&quot;minecraft:ice&quot;）</source>
        <translation>Every item id here needs quotes (minecraft:ice becomes &quot;minecraft:ice&quot;)</translation>
    </message>
    <message>
        <source>添加合成原料（至多10个！）</source>
        <translation>Ingredient (max 10!)</translation>
    </message>
    <message>
        <source>添加中间</source>
        <translation>Add ingredient</translation>
    </message>
    <message>
        <source>添加结尾</source>
        <translation>Add last</translation>
    </message>
    <message>
        <source>最后一个合成原料点这个↑</source>
        <translation>Press this for the last ingredient ↑</translation>
    </message>
    <message>
        <source>添加合成导入（至多1个！）</source>
        <translation>Catalyst (max 1!)</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加合成导出（至多1个！）</source>
        <translation>Result (max 1!)</translation>
    </message>
    <message>
        <source>添加合成能量需求（RF）</source>
        <translation>Energy cost (RF)</translation>
    </message>
    <message>
        <source>合成等级</source>
        <translation>Crafting tier</translation>
    </message>
    <message>
        <source>1为基础，2为飞龙，3为神龙，4为混沌<byte value="xd"/>
</source>
        <translation>1 basic, 2 wyvern, 3 draconic, 4 chaotic<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>添加一个新合成</source>
        <translation>Add new recipe</translation>
    </message>
    <message>
        <source>删除配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>模式（必选）(结尾只能有一个！)</source>
        <translation>Position (one Last only!)</translation>
    </message>
    <message>
        <source>中间</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>结尾</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>完成并导出为json文件(.minecraft\config\quillmere)</source>
        <translation>Finish and export as a .json file (.minecraft\config\quillmere)</translation>
    </message>
</context>
<context>
    <name>GameStage2Window</name>
    <message>
        <source>添加限制</source>
        <translation>Add restriction</translation>
    </message>
    <message>
        <source>没有这个阶段的玩家</source>
        <translation>Players without this stage</translation>
    </message>
    <message>
        <source>看不见方块</source>
        <translation>cannot see the block</translation>
    </message>
    <message>
        <source>批量导入</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>看不见物品</source>
        <translation>cannot see the item</translation>
    </message>
    <message>
        <source>导入阶段</source>
        <translation>Import stage script</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
</context>
<context>
    <name>GameStageWindow</name>
    <message>
        <source>列表文件在批量导入之后被改动或删除了：%1<byte value="xd"/>
批量导入时存了 %2 个id，现在只找到并写入了 %3 个。请重新批量导入。</source>
        <translation>The list file was changed or deleted after the batch import: %1<byte value="xd"/>
The batch import stored %2 ids; only %3 were found and written. Please batch import again.</translation>
    </message>
    <message>
        <source>添加维度限制</source>
        <translation>Restrict dimension</translation>
    </message>
    <message>
        <source>解锁的阶段</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>锁定的维度id</source>
        <translation>Locked dimension id</translation>
    </message>
    <message>
        <source>添加物品限制</source>
        <translation>Restrict item</translation>
    </message>
    <message>
        <source>锁定的物品id或矿物词典</source>
        <translation>Locked item id or ore dictionary name</translation>
    </message>
    <message>
        <source>添加生物限制</source>
        <translation>Restrict mob</translation>
    </message>
    <message>
        <source>生物id</source>
        <translation>Mob id</translation>
    </message>
    <message>
        <source>批量导入</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>导入阶段</source>
        <translation>Import stage script</translation>
    </message>
    <message>
        <source>添加阶段</source>
        <translation>Add stage</translation>
    </message>
    <message>
        <source>移除阶段</source>
        <translation>Remove stage</translation>
    </message>
    <message>
        <source>特殊要求！这里的命名ID前后要加尖括号“&lt;&gt;”，如<byte value="xd"/>
minecraft:egg变为&lt;minecraft:egg&gt;↓</source>
        <translation>Note: the ids here need angle brackets &quot;&lt;&gt;&quot;, e.g.<byte value="xd"/>
minecraft:egg becomes &lt;minecraft:egg&gt;↓</translation>
    </message>
    <message>
        <source>限制一个配方</source>
        <translation>Restrict a recipe</translation>
    </message>
    <message>
        <source>合成↓(这里不需要填&quot;&lt;&gt;&quot;)</source>
        <translation>Recipe↓ (no &quot;&lt;&gt;&quot; here)</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>required</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>限制合成这个物品</source>
        <translation>Restrict item crafting</translation>
    </message>
    <message>
        <source>物品ID</source>
        <translation>Item ID</translation>
    </message>
    <message>
        <source>限制用这个物品合成</source>
        <translation>Restrict crafting with this item</translation>
    </message>
    <message>
        <source>设置一个阶段的颜色</source>
        <translation>Set a stage&apos;s color</translation>
    </message>
    <message>
        <source>限制合成这个mod<byte value="xd"/>
物品</source>
        <translation>Restrict this<byte value="xd"/>
mod&apos;s recipes</translation>
    </message>
    <message>
        <source>限制工具制作</source>
        <translation>Restrict tool building</translation>
    </message>
    <message>
        <source>限制部件制作</source>
        <translation>Restrict part building</translation>
    </message>
    <message>
        <source>匠魂改动，填写阶段</source>
        <translation>Tinkers&apos; stages</translation>
    </message>
    <message>
        <source>限制Waila </source>
        <translation>Restrict Waila</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
</context>
<context>
    <name>IdAssist</name>
    <message>
        <source>%1 id</source>
        <translation>%1 id</translation>
    </message>
    <message>
        <source>或</source>
        <translation> or </translation>
    </message>
    <message>
        <source>%1，例如 %2</source>
        <translation>%1, e.g. %2</translation>
    </message>
</context>
<context>
    <name>InWorldCraftingWindow</name>
    <message>
        <source>世界合成</source>
        <translation>In-world crafting</translation>
    </message>
    <message>
        <source>旧液体</source>
        <translation>Fluid</translation>
    </message>
    <message>
        <source>物品</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>把a材料仍入液体中，得到新的液体</source>
        <translation>Item into fluid → new fluid</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>新液体</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>液体</source>
        <translation>Fluid</translation>
    </message>
    <message>
        <source>是否消耗液体</source>
        <translation>Uses fluid</translation>
    </message>
    <message>
        <source>把a材料仍入液体中，得到新的物品</source>
        <translation>Item into fluid → new item</translation>
    </message>
    <message>
        <source>新物品</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>→爆炸→</source>
        <translation>→explosion→</translation>
    </message>
    <message>
        <source>概率</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>不稳定</source>
        <translation>Unstable</translation>
    </message>
    <message>
        <source>→燃烧→</source>
        <translation>→fire→</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
    <message>
        <source>省略模组名前缀，minecraft：water变成water</source>
        <translation>No mod prefix: minecraft:water becomes water</translation>
    </message>
</context>
<context>
    <name>InfuserWindow</name>
    <message>
        <source>冶金灌注机</source>
        <translation>Metallurgic Infuser</translation>
    </message>
    <message>
        <source>创建冶金灌注机配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>选择注入材料</source>
        <translation>Infuse type</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>注入材料消耗数量</source>
        <translation>Infuse amount</translation>
    </message>
    <message>
        <source>删除冶金灌注机配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除所有冶金灌注机配方</source>
        <translation>Remove all recipes</translation>
    </message>
</context>
<context>
    <name>JsonExportWindow</name>
    <message>
        <source>写入脚本到</source>
        <translation>Write script to</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>新年快乐！</source>
        <translation>Happy New Year!</translation>
    </message>
    <message>
        <source>该功能仍在编写，请等待下次更新</source>
        <translation>This feature is not finished yet; please wait for the next update</translation>
    </message>
    <message>
        <source>方框内请添加该物品的命名空间ID</source>
        <translation>Type the item&apos;s namespaced ID in the boxes</translation>
    </message>
    <message>
        <source>功能</source>
        <translation>General</translation>
    </message>
    <message>
        <source>导出为zs脚本<byte value="xd"/>
</source>
        <translation>Export script<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>批量导入物品或方块id</source>
        <translation>Batch import ids</translation>
    </message>
    <message>
        <source>关于<byte value="xd"/>
</source>
        <translation>About<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>模组修改</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>龙之研究</source>
        <translation>Fusion crafting</translation>
    </message>
    <message>
        <source>通用机械</source>
        <translation>Mekanism</translation>
    </message>
    <message>
        <source>无中生有<byte value="xd"/>
</source>
        <translation>Ex Nihilo<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>无尽贪婪</source>
        <translation>Extreme crafting</translation>
    </message>
    <message>
        <source>应用能源2</source>
        <translation>Applied Energistics 2</translation>
    </message>
    <message>
        <source>GameStages附属</source>
        <translation>GameStages add-on</translation>
    </message>
    <message>
        <source>模块化机械</source>
        <translation>Modular Machinery</translation>
    </message>
    <message>
        <source>沉浸工程</source>
        <translation>Immersive Engineering</translation>
    </message>
    <message>
        <source>世界修改</source>
        <translation>World</translation>
    </message>
    <message>
        <source>世界合成</source>
        <translation>In-world crafting</translation>
    </message>
    <message>
        <source>怪物装备魔改</source>
        <translation>Mob equipment</translation>
    </message>
    <message>
        <source>原版修改</source>
        <translation>Vanilla</translation>
    </message>
    <message>
        <source>修改工作台配方</source>
        <translation>Crafting table recipes</translation>
    </message>
    <message>
        <source>修改熔炉配方</source>
        <translation>Furnace recipes</translation>
    </message>
    <message>
        <source>总变量（导出为zs脚本）</source>
        <translation>The collected script (exported as a .zs script)</translation>
    </message>
    <message>
        <source>通用机械的脚本</source>
        <translation>The Mekanism script</translation>
    </message>
    <message>
        <source>龙之研究的json</source>
        <translation>The fusion crafting JSON</translation>
    </message>
    <message>
        <source>以下内容还没有导出，退出会丢失它们：</source>
        <translation>These have not been exported yet and will be lost if you quit:</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>整合包</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>检查脚本</source>
        <translation>Check scripts</translation>
    </message>
</context>
<context>
    <name>MekanismMachineSelectWindow</name>
    <message>
        <source>mek机器选择</source>
        <translation>Mekanism machines</translation>
    </message>
    <message>
        <source>化学压射室</source>
        <translation>Injection Chamber</translation>
    </message>
    <message>
        <source>打开终端查看代码</source>
        <translation>Open the script terminal</translation>
    </message>
    <message>
        <source>化学氧化机</source>
        <translation>Chemical Oxidizer</translation>
    </message>
    <message>
        <source>化学清洗机</source>
        <translation>Chemical Washer</translation>
    </message>
    <message>
        <source>融合机</source>
        <translation>Combiner</translation>
    </message>
    <message>
        <source>磨粉机</source>
        <translation>Crusher</translation>
    </message>
    <message>
        <source>电解分离器</source>
        <translation>Electrolytic Separator</translation>
    </message>
    <message>
        <source>充能冶炼炉</source>
        <translation>Energized Smelter</translation>
    </message>
    <message>
        <source>富集仓</source>
        <translation>Enrichment Chamber</translation>
    </message>
    <message>
        <source>冶金灌注机</source>
        <translation>Metallurgic Infuser</translation>
    </message>
    <message>
        <source>锇压缩机</source>
        <translation>Osmium Compressor</translation>
    </message>
    <message>
        <source>精密锯木厂</source>
        <translation>Precision Sawmill</translation>
    </message>
    <message>
        <source>加压反应室</source>
        <translation>Reaction Chamber</translation>
    </message>
    <message>
        <source>太阳能中子活化器</source>
        <translation>Neutron Activator</translation>
    </message>
    <message>
        <source>热力蒸馏塔</source>
        <translation>Thermal Evaporation</translation>
    </message>
</context>
<context>
    <name>MekanismWindow</name>
    <message>
        <source>通用机械魔改</source>
        <translation>Mekanism recipes</translation>
    </message>
    <message>
        <source>化学结晶器魔改</source>
        <translation>Crystallizer: add</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>删除配方-化学结晶器</source>
        <translation>Crystallizer: remove</translation>
    </message>
    <message>
        <source>删除所有配方-化学结晶器</source>
        <translation>Crystallizer: remove all</translation>
    </message>
    <message>
        <source>化学溶解室魔改</source>
        <translation>Dissolution: add</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>删除配方-化学溶解室</source>
        <translation>Dissolution: remove</translation>
    </message>
    <message>
        <source>删除所有配方-化学溶解室</source>
        <translation>Dissolution: remove all</translation>
    </message>
    <message>
        <source>化学灌注器魔改</source>
        <translation>Chem. Infuser: add</translation>
    </message>
    <message>
        <source>删除配方-化学灌注器</source>
        <translation>Chem. Infuser: remove</translation>
    </message>
    <message>
        <source>删除所有配方-化学灌注器</source>
        <translation>Chem. Infuser: remove all</translation>
    </message>
    <message>
        <source>打开终端查看代码</source>
        <translation>Open the script terminal</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>输入（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>成品（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>信息：</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>MobEquipmentWindow</name>
    <message>
        <source>怪物装备魔改</source>
        <translation>Mob equipment</translation>
    </message>
    <message>
        <source>新的组名称（必填，英文）</source>
        <translation>Group (English)</translation>
    </message>
    <message>
        <source>概率(生成该种怪物)</source>
        <translation>Spawn chance</translation>
    </message>
    <message>
        <source>创造</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>要魔改的怪物</source>
        <translation>Mob to change</translation>
    </message>
    <message>
        <source>该模块需要ArmoreableMobs</source>
        <translation>Needs ArmoreableMobs</translation>
    </message>
    <message>
        <source>头盔</source>
        <translation>Helmet</translation>
    </message>
    <message>
        <source>概率</source>
        <translation>Odds</translation>
    </message>
    <message>
        <source>胸甲</source>
        <translation>Chestplate</translation>
    </message>
    <message>
        <source>护腿</source>
        <translation>Leggings</translation>
    </message>
    <message>
        <source>靴子</source>
        <translation>Boots</translation>
    </message>
    <message>
        <source>武器</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>(全部填写完后再点)完成并导出为zs文件</source>
        <translation>(Fill in everything first) Finish and export as a .zs file</translation>
    </message>
    <message>
        <source>概率最高为1</source>
        <translation>At most 1</translation>
    </message>
</context>
<context>
    <name>ModularMachineryWindow</name>
    <message>
        <source>模块化机械</source>
        <translation>Modular Machinery</translation>
    </message>
    <message>
        <source>注意！这里一次只能添加一次合成！请勿添加多次！</source>
        <translation>Note: add only one recipe at a time here! Do not add several!</translation>
    </message>
    <message>
        <source>合成用机器id（必填）</source>
        <translation>Machine id (required)</translation>
    </message>
    <message>
        <source>合成所需游戏刻</source>
        <translation>Recipe time (ticks)</translation>
    </message>
    <message>
        <source>合成编号(务必英文)</source>
        <translation>Recipe name (English only)</translation>
    </message>
    <message>
        <source>创建合成起始代码（请填写完前两行后再点击，务必点击此按钮后再继续生成）</source>
        <translation>Start recipe (fill in the first two rows; press this first)</translation>
    </message>
    <message>
        <source>能量设定</source>
        <translation>Set energy</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>增加物品输入</source>
        <translation>Add item input</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>物品损耗概率</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>增加物品输出<byte value="xd"/>
</source>
        <translation>Add item output</translation>
    </message>
    <message>
        <source>流体输入输出只需填写该流体的英文名（minecraft:water变为water）</source>
        <translation>Fluids need only their name (minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>增加流体输入</source>
        <translation>Add fluid input</translation>
    </message>
    <message>
        <source>增加流体输出<byte value="xd"/>
</source>
        <translation>Add fluid output</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>完成并导出为zs文件</source>
        <translation>Finish and export as a .zs file</translation>
    </message>
</context>
<context>
    <name>Pack</name>
    <message>
        <source>物品</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>流体</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>矿物词典</source>
        <translation>Ore dictionary</translation>
    </message>
    <message>
        <source>气体</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>实体</source>
        <translation>Entity</translation>
    </message>
    <message>
        <source>方块</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>模组</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>不是 JSON 对象</source>
        <translation>Not a JSON object</translation>
    </message>
    <message>
        <source>没有找到 crafttweaker.log</source>
        <translation>crafttweaker.log not found</translation>
    </message>
    <message>
        <source>crafttweaker.log 无法读取：%1</source>
        <translation>Cannot read crafttweaker.log: %1</translation>
    </message>
    <message>
        <source>%1：%2 个</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1：%2 个（来自 scripts/.zsrc）</source>
        <translation>%1: %2 (from scripts/.zsrc)</translation>
    </message>
    <message>
        <source>%1：日志里没有，请在游戏里输入 %2</source>
        <translation>%1: not in the log; type %2 in the game</translation>
    </message>
    <message>
        <source>有 %1 行无法读取（第一处在第 %2 行），已跳过</source>
        <translation>Skipped unreadable lines: %1 (the first is line %2)</translation>
    </message>
    <message>
        <source>scripts/.zsrc 无法读取：%1</source>
        <translation>Cannot read scripts/.zsrc: %1</translation>
    </message>
    <message>
        <source>日志里没有任何列表：请进入游戏输入上面的命令，再重新加载</source>
        <translation>The log holds no lists: type the commands above in the game, then load again</translation>
    </message>
    <message>
        <source>整合包里没有 %1</source>
        <translation>%1 is not in the pack</translation>
    </message>
    <message>
        <source>整合包里没有 %1，是不是 %2？</source>
        <translation>%1 is not in the pack. Did you mean %2?</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>PackCommandLine</name>
    <message>
        <source>找不到游戏文件夹「%1」</source>
        <translation>Game folder &apos;%1&apos; not found</translation>
    </message>
    <message>
        <source>整合包「%1」里没有可用的 id 列表：</source>
        <translation>The pack &apos;%1&apos; has no usable id lists:</translation>
    </message>
</context>
<context>
    <name>PackWindow</name>
    <message>
        <source>整合包</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>游戏文件夹（其中有 mods、config、scripts 和 crafttweaker.log）</source>
        <translation>Game folder (with mods, config, scripts and crafttweaker.log)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>加载</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>整合包里的 id</source>
        <translation>Ids in the pack</translation>
    </message>
    <message>
        <source>正在读取 %1 …</source>
        <translation>Reading %1 …</translation>
    </message>
    <message>
        <source>文件夹：%1
</source>
        <translation>Folder: %1
</translation>
    </message>
    <message>
        <source>还没有选择整合包。选择游戏文件夹后点“加载”。</source>
        <translation>No pack chosen yet. Choose the game folder, then press “Load”.</translation>
    </message>
    <message>
        <source>请先选择游戏文件夹</source>
        <translation>Choose the game folder first</translation>
    </message>
    <message>
        <source>找不到文件夹：%1</source>
        <translation>Folder not found: %1</translation>
    </message>
</context>
<context>
    <name>ReactionWindow</name>
    <message>
        <source>加压反应室</source>
        <translation>Pressurized Reaction Chamber</translation>
    </message>
    <message>
        <source>添加加压反应室配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>耗电（rf）</source>
        <translation>RF used</translation>
    </message>
    <message>
        <source>时间（tick）</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <source>删除加压反应室所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>输入（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输入（流体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (fluid) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输出（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>SawmillWindow</name>
    <message>
        <source>精密锯木厂</source>
        <translation>Precision Sawmill</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>删除精密锯木厂所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>添加精密锯木厂配方</source>
        <translation>Add recipe</translation>
    </message>
</context>
<context>
    <name>ScriptCheckWindow</name>
    <message>
        <source>[错误] %1：无法读取：%2</source>
        <translation>[error] %1: cannot read: %2</translation>
    </message>
    <message>
        <source>[错误] %1：%2</source>
        <translation>[error] %1: %2</translation>
    </message>
    <message>
        <source>[警告] %1：%2</source>
        <translation>[warning] %1: %2</translation>
    </message>
    <message>
        <source>共检查 %1 个文件：%2 处错误，%3 处警告。</source>
        <translation>Files checked: %1. Errors: %2, warnings: %3.</translation>
    </message>
    <message>
        <source>这个文件夹里没有游戏会运行的 .zs 脚本。</source>
        <translation>This folder has no .zs scripts that the game would run.</translation>
    </message>
    <message>
        <source>游戏读到 %1 的语法错误后会跳过这个文件；它是最后加载的文件，后面没有被跳过的脚本。</source>
        <translation>Because of the syntax error in %1, the game skips that file; it is loaded last, so no other script is skipped.</translation>
    </message>
    <message>
        <source>游戏读到 %1 的语法错误后会跳过这个文件，以及之后加载的全部 %2 个文件：</source>
        <translation>Because of the syntax error in %1, the game skips that file and every file loaded after it (%2):</translation>
    </message>
    <message>
        <source>还有 %1 个</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>找不到这个文件夹：</source>
        <translation>Folder not found: </translation>
    </message>
    <message>
        <source>检查 %1 …</source>
        <translation>Checking %1 …</translation>
    </message>
    <message>
        <source>检查脚本</source>
        <translation>Check scripts</translation>
    </message>
    <message>
        <source>游戏的 scripts 文件夹</source>
        <translation>The game&apos;s scripts folder</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>开始检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>按游戏的加载顺序列出每个文件的问题↓</source>
        <translation>Each file&apos;s problems, in the game&apos;s load order↓</translation>
    </message>
</context>
<context>
    <name>SeparatorWindow</name>
    <message>
        <source>电解分离器</source>
        <translation>Electrolytic Separator</translation>
    </message>
    <message>
        <source>耗电（rf）</source>
        <translation>RF used</translation>
    </message>
    <message>
        <source>添加电解分离器配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>删除电解分离器配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除电解分离器所有配方</source>
        <translation>Remove all recipes</translation>
    </message>
    <message>
        <source>输出（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输入（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>SmelterWindow</name>
    <message>
        <source>充能冶炼炉</source>
        <translation>Energized Smelter</translation>
    </message>
    <message>
        <source>添加充能冶炼炉配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>成品</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>删除充能冶炼炉配方</source>
        <translation>Remove recipe</translation>
    </message>
    <message>
        <source>删除充能冶炼炉全部配方</source>
        <translation>Remove all recipes</translation>
    </message>
</context>
<context>
    <name>SolarNeutronActivatorWindow</name>
    <message>
        <source>太阳能中子活化器</source>
        <translation>Solar Neutron Activator</translation>
    </message>
    <message>
        <source>添加太阳能中子活化器配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>输入（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输出（气体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (gas) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>ThermalEvaporationWindow</name>
    <message>
        <source>热力蒸馏塔</source>
        <translation>Thermal Evaporation</translation>
    </message>
    <message>
        <source>添加热力蒸馏塔配方</source>
        <translation>Add recipe</translation>
    </message>
    <message>
        <source>输入（液体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Input (fluid) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
    <message>
        <source>输出（液体）（省略模组名前缀，minecraft：water变成water）</source>
        <translation>Output (fluid) (no mod prefix: minecraft:water becomes water)</translation>
    </message>
</context>
<context>
    <name>TreeTweakerWindow</name>
    <message>
        <source>新的树名称（英文）</source>
        <translation>Tree name (English)</translation>
    </message>
    <message>
        <source>创造</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>树的类型</source>
        <translation>Tree type</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>本mod需要TreeTweaker mod</source>
        <translation>Needs the TreeTweaker mod</translation>
    </message>
    <message>
        <source>树干的方块(默认木头)</source>
        <translation>Trunk (default: log)</translation>
    </message>
    <message>
        <source>树叶的方块（默认树叶）</source>
        <translation>Leaf block (default)</translation>
    </message>
    <message>
        <source>树的最小高度（默认5）</source>
        <translation>Min height (def. 5)</translation>
    </message>
    <message>
        <source>树的生产频率(越小越多)</source>
        <translation>Rarity (lower: more)</translation>
    </message>
    <message>
        <source>只生成在这个生物群系（选填）</source>
        <translation>Biome (optional)</translation>
    </message>
    <message>
        <source>只生成在这个方块上面（选填）</source>
        <translation>Ground block (optional)</translation>
    </message>
    <message>
        <source>只生成在这个维度（选填）</source>
        <translation>Dimension (optional)</translation>
    </message>
    <message>
        <source>(全部填写完后再点)完成并导出为zs文件</source>
        <translation>(Fill in everything first) Finish and export as a .zs file</translation>
    </message>
    <message>
        <source>可用类型OAK,LARGE_OAK,JUNGLE,CANOPY,LARGE_CANOPY,PINE,LARGE_PINE,SPRUCE,LARGE_SPRUCE,ACACIA,RED_MUSHROOM,BROWN_MUSHROOM,BRAIDED,PALM,WILOW</source>
        <translation>Types: OAK,LARGE_OAK,JUNGLE,CANOPY,LARGE_CANOPY,PINE,LARGE_PINE,SPRUCE,LARGE_SPRUCE,ACACIA,RED_MUSHROOM,BROWN_MUSHROOM,BRAIDED,PALM,WILOW</translation>
    </message>
</context>
<context>
    <name>WriteQuestion</name>
    <message>
        <source>仍然写入</source>
        <translation>Write anyway</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>对象缺少结尾的 }</source>
        <translation>An object is missing its closing }</translation>
    </message>
    <message>
        <source>名称后面缺少冒号</source>
        <translation>A colon is missing after a name</translation>
    </message>
    <message>
        <source>数组缺少结尾的 ]</source>
        <translation>An array is missing its closing ]</translation>
    </message>
    <message>
        <source>两个值之间缺少逗号</source>
        <translation>A comma is missing between two values</translation>
    </message>
    <message>
        <source>这里不是一个合法的值</source>
        <translation>This is not a valid value</translation>
    </message>
    <message>
        <source>文件在一个数字中间结束了</source>
        <translation>The file ends in the middle of a number</translation>
    </message>
    <message>
        <source>数字写得不对</source>
        <translation>The number is malformed</translation>
    </message>
    <message>
        <source>字符串里有不合法的转义</source>
        <translation>The string has an invalid escape</translation>
    </message>
    <message>
        <source>字符串不是合法的 UTF-8</source>
        <translation>The string is not valid UTF-8</translation>
    </message>
    <message>
        <source>字符串缺少结尾的引号</source>
        <translation>The string is missing its closing quote</translation>
    </message>
    <message>
        <source>这里应当是一个对象</source>
        <translation>Expected an object here</translation>
    </message>
    <message>
        <source>嵌套层数太多</source>
        <translation>Nested too deeply</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>内容结束后还有多余的字符</source>
        <translation>Extra characters after the end of the content</translation>
    </message>
    <message>
        <source>无法解析</source>
        <translation>Cannot be parsed</translation>
    </message>
    <message>
        <source>还有 %1 处</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>这个脚本有错误：</source>
        <translation>This script has errors:</translation>
    </message>
    <message>
        <source>游戏读到语法错误时，会跳过这个脚本和在它之后加载的所有脚本。</source>
        <translation>On a syntax error the game skips this script and every script loaded after it.</translation>
    </message>
    <message>
        <source>仍然写入吗？</source>
        <translation>Write it anyway?</translation>
    </message>
    <message>
        <source>脚本有错误</source>
        <translation>Script has errors</translation>
    </message>
    <message>
        <source>这个 JSON 文件有语法错误，游戏读不了它：</source>
        <translation>This JSON file has a syntax error; the game cannot read it:</translation>
    </message>
    <message>
        <source>第 %1 行第 %2 列：%3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>JSON 有错误</source>
        <translation>JSON has errors</translation>
    </message>
</context>
<context>
    <name>tf::FormWindow</name>
    <message>
        <source>脚本框中有尚未写入总变量的代码，关闭窗口会丢失它们。</source>
        <translation>The script box holds code not yet written to the collected script; closing the window will lose it.</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>写入总变量并关闭</source>
        <translation>Write and close</translation>
    </message>
    <message>
        <source>不写入，关闭</source>
        <translation>Close without writing</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
