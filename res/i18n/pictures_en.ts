<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The words drawn into the generated pictures and onto the world map, and
     the titles of the help pages. The picture and map generators read this
     file when the program is built. -->
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>PictureWords</name>
    <message>
        <source>トルヴァ成功</source>
        <comment>The result picture of a successful Tolva call.</comment>
        <translation>Tolva Succeeded</translation>
    </message>
    <message>
        <source>トルヴァ失敗</source>
        <comment>The result picture of a failed Tolva call.</comment>
        <translation>Tolva Failed</translation>
    </message>
    <message>
        <source>７０成功</source>
        <comment>The result picture of a Seventy call.</comment>
        <translation>Seventy!</translation>
    </message>
    <message>
        <source>上がり</source>
        <comment>The result picture of a player going out: the last card discarded.</comment>
        <translation>Out!</translation>
    </message>
    <message>
        <source>ツモ上がり</source>
        <comment>The result picture of a win on a card drawn from the stock.</comment>
        <translation>Tsumo!</translation>
    </message>
    <message>
        <source>流れ</source>
        <comment>The result picture of a game that ends with the stock empty.</comment>
        <translation>Drawn Game</translation>
    </message>
    <message>
        <source>ロン</source>
        <comment>The result picture of a win on a discard (Ron and Reach wins).</comment>
        <translation>Ron!</translation>
    </message>
    <message>
        <source>遠征完了</source>
        <comment>The picture shown when the march has reached its end.</comment>
        <translation>Campaign Complete</translation>
    </message>
    <message>
        <source>リーチ</source>
        <comment>The badge in the window's icon while a Reach is declared; drawn in capitals.</comment>
        <translation>Reach</translation>
    </message>
    <message>
        <source>宣</source>
        <comment>The sign on the Declare button (Reach, Tolva, Seventy).</comment>
        <translation>!</translation>
    </message>
    <message>
        <source>アレクサンドロス東征図</source>
        <comment>The title of the world map.</comment>
        <translation>Alexander's March to the East</translation>
    </message>
    <message>
        <source>マケドニアよりインダス河へ、地中海を巡りて故郷へ</source>
        <comment>The world map's subtitle, under its title.</comment>
        <translation>From Macedonia to the Indus, and home around the Mediterranean</translation>
    </message>
    <message>
        <source>北</source>
        <comment>The north point of the world map's compass.</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>凡　例</source>
        <comment>The heading of the world map's legend.</comment>
        <translation>Legend</translation>
    </message>
    <message>
        <source>行軍路と都市</source>
        <comment>Legend: the route still to march and its cities.</comment>
        <translation>Route and cities</translation>
    </message>
    <message>
        <source>進軍した道と征服した都市</source>
        <comment>Legend: the route already marched and the conquered cities.</comment>
        <translation>Marched and conquered</translation>
    </message>
    <message>
        <source>河川</source>
        <comment>Legend.</comment>
        <translation>Rivers</translation>
    </message>
    <message>
        <source>山脈</source>
        <comment>Legend.</comment>
        <translation>Mountains</translation>
    </message>
    <message>
        <source>500 km ≒ 2700 スタディオン</source>
        <comment>The world map's scale bar.</comment>
        <translation>500 km ≈ 2,700 stadia</translation>
    </message>
    <message>
        <source>地中海</source>
        <comment>A sea on the world map.</comment>
        <translation>Mediterranean Sea</translation>
    </message>
    <message>
        <source>エーゲ海</source>
        <comment>A sea on the world map.</comment>
        <translation>Aegean Sea</translation>
    </message>
    <message>
        <source>黒海</source>
        <comment>A sea on the world map.</comment>
        <translation>Black Sea</translation>
    </message>
    <message>
        <source>カスピ海</source>
        <comment>A sea on the world map.</comment>
        <translation>Caspian Sea</translation>
    </message>
    <message>
        <source>イオニア海</source>
        <comment>A sea on the world map.</comment>
        <translation>Ionian Sea</translation>
    </message>
    <message>
        <source>アドリア海</source>
        <comment>A sea on the world map.</comment>
        <translation>Adriatic Sea</translation>
    </message>
    <message>
        <source>ティレニア海</source>
        <comment>A sea on the world map.</comment>
        <translation>Tyrrhenian Sea</translation>
    </message>
    <message>
        <source>紅海</source>
        <comment>A sea on the world map.</comment>
        <translation>Red Sea</translation>
    </message>
    <message>
        <source>ペルシア湾</source>
        <comment>A sea on the world map.</comment>
        <translation>Persian Gulf</translation>
    </message>
    <message>
        <source>エリュトラー海</source>
        <comment>A sea on the world map.</comment>
        <translation>Erythraean Sea</translation>
    </message>
    <message>
        <source>アラル海</source>
        <comment>A sea on the world map.</comment>
        <translation>Aral Sea</translation>
    </message>
    <message>
        <source>マイオティス湖</source>
        <comment>A sea on the world map.</comment>
        <translation>Lake Maeotis</translation>
    </message>
    <message>
        <source>マケドニア</source>
        <comment>A land on the world map.</comment>
        <translation>Macedonia</translation>
    </message>
    <message>
        <source>トラキア</source>
        <comment>A land on the world map.</comment>
        <translation>Thrace</translation>
    </message>
    <message>
        <source>ギリシア</source>
        <comment>A land on the world map.</comment>
        <translation>Greece</translation>
    </message>
    <message>
        <source>フリュギア</source>
        <comment>A land on the world map.</comment>
        <translation>Phrygia</translation>
    </message>
    <message>
        <source>カッパドキア</source>
        <comment>A land on the world map.</comment>
        <translation>Cappadocia</translation>
    </message>
    <message>
        <source>シリア</source>
        <comment>A land on the world map.</comment>
        <translation>Syria</translation>
    </message>
    <message>
        <source>エジプト</source>
        <comment>A land on the world map.</comment>
        <translation>Egypt</translation>
    </message>
    <message>
        <source>キュレナイカ</source>
        <comment>A land on the world map.</comment>
        <translation>Cyrenaica</translation>
    </message>
    <message>
        <source>リビュア</source>
        <comment>A land on the world map.</comment>
        <translation>Libya</translation>
    </message>
    <message>
        <source>アラビア</source>
        <comment>A land on the world map.</comment>
        <translation>Arabia</translation>
    </message>
    <message>
        <source>メソポタミア</source>
        <comment>A land on the world map.</comment>
        <translation>Mesopotamia</translation>
    </message>
    <message>
        <source>バビロニア</source>
        <comment>A land on the world map.</comment>
        <translation>Babylonia</translation>
    </message>
    <message>
        <source>ペルシス</source>
        <comment>A land on the world map.</comment>
        <translation>Persis</translation>
    </message>
    <message>
        <source>メディア</source>
        <comment>A land on the world map.</comment>
        <translation>Media</translation>
    </message>
    <message>
        <source>パルティア</source>
        <comment>A land on the world map.</comment>
        <translation>Parthia</translation>
    </message>
    <message>
        <source>ヒュルカニア</source>
        <comment>A land on the world map.</comment>
        <translation>Hyrcania</translation>
    </message>
    <message>
        <source>アレイア</source>
        <comment>A land on the world map.</comment>
        <translation>Aria</translation>
    </message>
    <message>
        <source>ドランギアナ</source>
        <comment>A land on the world map.</comment>
        <translation>Drangiana</translation>
    </message>
    <message>
        <source>アラコシア</source>
        <comment>A land on the world map.</comment>
        <translation>Arachosia</translation>
    </message>
    <message>
        <source>バクトリア</source>
        <comment>A land on the world map.</comment>
        <translation>Bactria</translation>
    </message>
    <message>
        <source>ソグディアナ</source>
        <comment>A land on the world map.</comment>
        <translation>Sogdiana</translation>
    </message>
    <message>
        <source>ガンダーラ</source>
        <comment>A land on the world map.</comment>
        <translation>Gandhara</translation>
    </message>
    <message>
        <source>インド</source>
        <comment>A land on the world map.</comment>
        <translation>India</translation>
    </message>
    <message>
        <source>ゲドロシア</source>
        <comment>A land on the world map.</comment>
        <translation>Gedrosia</translation>
    </message>
    <message>
        <source>カルマニア</source>
        <comment>A land on the world map.</comment>
        <translation>Carmania</translation>
    </message>
    <message>
        <source>アルメニア</source>
        <comment>A land on the world map.</comment>
        <translation>Armenia</translation>
    </message>
    <message>
        <source>イタリア</source>
        <comment>A land on the world map.</comment>
        <translation>Italy</translation>
    </message>
    <message>
        <source>イベリア</source>
        <comment>A land on the world map.</comment>
        <translation>Iberia</translation>
    </message>
    <message>
        <source>ガリア</source>
        <comment>A land on the world map.</comment>
        <translation>Gaul</translation>
    </message>
    <message>
        <source>ヌミディア</source>
        <comment>A land on the world map.</comment>
        <translation>Numidia</translation>
    </message>
    <message>
        <source>マウレタニア</source>
        <comment>A land on the world map.</comment>
        <translation>Mauretania</translation>
    </message>
    <message>
        <source>スキュタイ</source>
        <comment>A land on the world map.</comment>
        <translation>Scythia</translation>
    </message>
    <message>
        <source>サルマタイ</source>
        <comment>A land on the world map.</comment>
        <translation>Sarmatia</translation>
    </message>
    <message>
        <source>モエシア</source>
        <comment>A land on the world map.</comment>
        <translation>Moesia</translation>
    </message>
    <message>
        <source>イリュリア</source>
        <comment>A land on the world map.</comment>
        <translation>Illyria</translation>
    </message>
    <message>
        <source>クレタ</source>
        <comment>An island on the world map.</comment>
        <translation>Crete</translation>
    </message>
    <message>
        <source>キュプロス</source>
        <comment>An island on the world map.</comment>
        <translation>Cyprus</translation>
    </message>
    <message>
        <source>シキリア</source>
        <comment>An island on the world map.</comment>
        <translation>Sicily</translation>
    </message>
    <message>
        <source>サルディニア</source>
        <comment>An island on the world map.</comment>
        <translation>Sardinia</translation>
    </message>
    <message>
        <source>コルシカ</source>
        <comment>An island on the world map.</comment>
        <translation>Corsica</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>トルヴァゲームのルール</source>
        <comment>The window title of the rules page.</comment>
        <translation>TolvaGame Rules</translation>
    </message>
    <message>
        <source>トルヴァゲームの操作方法</source>
        <comment>The window title of the controls page.</comment>
        <translation>How to Play TolvaGame</translation>
    </message>
</context>
</TS>
