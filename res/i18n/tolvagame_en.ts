<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Menus</name>
    <message>
        <source>超速い(&amp;E)</source>
        <translation>&amp;Very Fast</translation>
    </message>
    <message>
        <source>速い(&amp;F)</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>普通(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>遅い(&amp;S)</source>
        <translation>&amp;Slow</translation>
    </message>
    <message>
        <source>超遅い(&amp;T)</source>
        <translation>Very Sl&amp;ow</translation>
    </message>
    <message>
        <source>ゲーム開始(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>ゲーム終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>スピード(&amp;S)</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>打ち手間隔(&amp;M)</source>
        <translation>&amp;Turn Pace</translation>
    </message>
    <message>
        <source>カードの動き(&amp;C)</source>
        <translation>&amp;Card Movement</translation>
    </message>
    <message>
        <source>札置き間隔(&amp;P)</source>
        <translation>&amp;Placing Pace</translation>
    </message>
    <message>
        <source>コンピュータのトルヴァ率(&amp;X)</source>
        <translation>&amp;Computer's Tolva Rate</translation>
    </message>
    <message>
        <source>高確率(&amp;1)</source>
        <translation>&amp;High</translation>
    </message>
    <message>
        <source>中確率(&amp;2)</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>低確率(&amp;3)</source>
        <translation>&amp;Low</translation>
    </message>
    <message>
        <source>ジョーカーの使用枚数(&amp;J)</source>
        <translation>&amp;Jokers in Play</translation>
    </message>
    <message>
        <source>2枚(&amp;2)</source>
        <translation>&amp;2 Jokers</translation>
    </message>
    <message>
        <source>4枚(&amp;4)</source>
        <translation>&amp;4 Jokers</translation>
    </message>
    <message>
        <source>6枚(&amp;6)</source>
        <translation>&amp;6 Jokers</translation>
    </message>
    <message>
        <source>1200 X 900(&amp;4)	推奨</source>
        <translation>1200 X 900(&amp;4)	Recommended</translation>
    </message>
    <message>
        <source>オープンモード(&amp;O)</source>
        <translation>&amp;Open Mode</translation>
    </message>
    <message>
        <source>効果音(&amp;K)</source>
        <translation>Sound &amp;Effects</translation>
    </message>
    <message>
        <source>ルール説明(&amp;R)</source>
        <translation>&amp;Rule Tips</translation>
    </message>
    <message>
        <source>画面表示説明(&amp;D)</source>
        <translation>&amp;Display Tips</translation>
    </message>
    <message>
        <source>自動スタート(&amp;A)</source>
        <translation>&amp;Auto Start</translation>
    </message>
    <message>
        <source>世界地図表示(&amp;W)</source>
        <translation>&amp;World Map</translation>
    </message>
    <message>
        <source>世界地図の初期化(&amp;I)</source>
        <translation>Reset the &amp;Map</translation>
    </message>
    <message>
        <source>カード背面の設定(&amp;B)</source>
        <translation>Card &amp;Backs...</translation>
    </message>
    <message>
        <source>画面サイズ(&amp;G)</source>
        <translation>Window Si&amp;ze</translation>
    </message>
    <message>
        <source>トルヴァゲームのルール(&amp;R)</source>
        <translation>TolvaGame &amp;Rules</translation>
    </message>
    <message>
        <source>トルヴァゲームの操作方法(&amp;S)</source>
        <translation>How to &amp;Play</translation>
    </message>
    <message>
        <source>バージョン情報 (&amp;A)</source>
        <translation>&amp;About TolvaGame</translation>
    </message>
    <message>
        <source>「リーチ」をかける(&amp;L)	F9</source>
        <translation>Call &amp;Reach	F9</translation>
    </message>
    <message>
        <source>「トルヴァ」を宣言する(&amp;S)	F10</source>
        <translation>Declare &amp;Tolva	F10</translation>
    </message>
    <message>
        <source>「７０」を宣言する(&amp;7)</source>
        <translation>Declare &amp;Seventy</translation>
    </message>
    <message>
        <source>ゲーム画面に戻る(&amp;G)	BS, ESC, Enter, SPC</source>
        <translation>&amp;Back to the Game	BS, ESC, Enter, SPC</translation>
    </message>
    <message>
        <source>等倍(&amp;1)	1</source>
        <translation>&amp;Actual Size	1</translation>
    </message>
    <message>
        <source>戦績(&amp;C)	F12</source>
        <translation>&amp;Chronicle	F12</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>TolvaGame</source>
        <translation>TolvaGame</translation>
    </message>
    <message>
        <source>メモリの確保に失敗しました</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>ファイルの読み込みに失敗しました</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>イメージの転写に失敗しました</source>
        <translation>The picture could not be copied.</translation>
    </message>
    <message>
        <source>選択札以外は出せません</source>
        <translation>Only the selected cards can be played.</translation>
    </message>
    <message>
        <source>この捨て札ではリーチできません
リーチを取り消しますか

リーチを取り消す ⇒ はい
捨て札を変える ⇒ いいえ</source>
        <translation>You cannot call Reach with this discard.
Take the Reach back?

Take the Reach back ⇒ Yes
Discard another card ⇒ No</translation>
    </message>
    <message>
        <source>山札がなくなりました
残念ですがリーチできません</source>
        <translation>The stock is empty.
Sorry, you can no longer call Reach.</translation>
    </message>
    <message>
        <source>山から１枚めくるか川から拾ってきてください</source>
        <translation>Draw a card from the stock or take one from the river first.</translation>
    </message>
    <message>
        <source>川から拾った札をすぐ捨てることはできません</source>
        <translation>A card taken from the river cannot be discarded at once.</translation>
    </message>
    <message>
        <source>タイマーのセットに失敗しました</source>
        <translation>The timer could not be set.</translation>
    </message>
    <message>
        <source>タイマーの削除に失敗しました</source>
        <translation>The timer could not be removed.</translation>
    </message>
    <message>
        <source>あなたの手札の点数は70ではありません</source>
        <translation>Your hand is not worth 70 points.</translation>
    </message>
    <message>
        <source>最初のスタート地点に戻りますがよろしいですか</source>
        <translation>Go back to the first starting point of the map?</translation>
    </message>
    <message>
        <source>あなたの軍資金が底をつきました
地図上の経路や各自の持ち金が最初に戻ります
再び、コースの選択から始まります

ゲームを続けますか</source>
        <translation>Your war chest is empty.
The route on the map and everyone's coins start over,
and you choose a course again.

Continue the game?</translation>
    </message>
    <message>
        <source>直接札出しは、川に捨てることしかできません
さらす場合はドラッグ＆ドロップしてください</source>
        <translation>A card played with the keys can only go to the river.
To lay it out in a meld, drag and drop it.</translation>
    </message>
    <message>
        <source>リーチ中は、山からめくってきた札でないと出せません</source>
        <translation>While in Reach you may only play the card you drew from the stock.</translation>
    </message>
    <message>
        <source>「カン」しますか

「カン」する ⇒ はい
「ポン」する ⇒ いいえ
「ポン」も「カン」もしない ⇒ キャンセル</source>
        <translation>Call Kan?

Kan ⇒ Yes
Pon ⇒ No
Neither Pon nor Kan ⇒ Cancel</translation>
    </message>
    <message>
        <source>「ポン」しますか</source>
        <translation>Call Pon?</translation>
    </message>
    <message>
        <source>「ポン」をする札２枚を選んでください</source>
        <translation>Choose the two cards to Pon with.</translation>
    </message>
    <message>
        <source>この選択札でポンをしますか

する ⇒ はい
選択しなおす ⇒ いいえ
「ポン」をやめる ⇒ キャンセル</source>
        <translation>Pon with the selected cards?

Pon ⇒ Yes
Choose again ⇒ No
No Pon ⇒ Cancel</translation>
    </message>
    <message>
        <source>「ロン」(「あたり」あがり)しますか

す　る ⇒ は　い
しない ⇒ いいえ
</source>
        <translation>Call Ron (win on this discard)?

Call it ⇒ Yes
Let it pass ⇒ No
</translation>
    </message>
    <message>
        <source>ゲーム開始方法
① 画面左上の「旗のアイコン」をクリックします
　または、F1キー押下します
② 表示されたメニューの「開始」をクリックします
　設定メニューの「自動スタート」でこの動作を省略できます</source>
        <translation>How to start a game
① Click the flag icon at the top left of the table,
   or press F1.
② Click "Play" in the menu that opens.
   "Auto Start" in the Settings menu skips these steps.</translation>
    </message>
    <message>
        <source>「ツモ上がり」しますか

す　る ⇒ はい
しない ⇒ いいえ</source>
        <translation>Win by Tsumo?

Win ⇒ Yes
Play on ⇒ No</translation>
    </message>
    <message>
        <source>山から１枚めくってきてください</source>
        <translation>Draw a card from the stock first.</translation>
    </message>
    <message>
        <source>スタートメニューを表示します
※ F1キーでも操作できます</source>
        <translation>Opens the Start menu
※ F1 does the same</translation>
    </message>
    <message>
        <source>設定メニューを表示します
※ F2キーでも操作できます</source>
        <translation>Opens the Settings menu
※ F2 does the same</translation>
    </message>
    <message>
        <source>ヘルプメニューを表示します
※ F3キーでも操作できます</source>
        <translation>Opens the Help menu
※ F3 does the same</translation>
    </message>
    <message>
        <source>俯瞰角を増加させます
広範囲に場などに置かれたカードを見ることができます
※ F4キーでも操作できます</source>
        <translation>Raises the view
You see more of the cards on the table
※ F4 does the same</translation>
    </message>
    <message>
        <source>俯瞰角を減少させます
場などの視界はせまくなりますが、立体的になります
※ F5キーでも操作できます</source>
        <translation>Lowers the view
You see less of the table, but in more depth
※ F5 does the same</translation>
    </message>
    <message>
        <source>宣言メニューを表示します
※ F6キーでも操作できます</source>
        <translation>Opens the Declare menu
※ F6 does the same</translation>
    </message>
    <message>
        <source>サラシ札を置く場所です。
両隣りの手札で札が見えない時は、
その手札をクリックしてください</source>
        <translation>The meld rows: melds are laid out here.
When a neighbouring hand hides the cards,
click that hand.</translation>
    </message>
    <message>
        <source>山札を置く場所です。
自分の順番になったら、
川から拾ったり、ポンやカンをする以外は、
ここから1枚めくって手札に入れます</source>
        <translation>The stock.
On your turn, unless you take from the river
or call Pon or Kan,
draw one card from here into your hand.</translation>
    </message>
    <message>
        <source>川札を置く場所です。
自分の順番になって手札に入れた後で
ここに、1枚捨てます</source>
        <translation>The river.
On your turn, after taking a card into your hand,
discard one card here.</translation>
    </message>
    <message>
        <source>ゲームの現在回数を表示しています
10回終了するとマッピングを行います</source>
        <translation>The number of the current game
After 10 games the king moves on along the map</translation>
    </message>
    <message>
        <source>リーチコインです
金貨はリーチ一発中を意味します</source>
        <translation>Reach coins
A gold coin means a Reach still on its first turn</translation>
    </message>
    <message>
        <source>保留コインです
金貨は、銀貨10枚分です
ドロー「流れ」の時に保留され、
次に上がった人にすべて与えられます</source>
        <translation>Pending coins
A gold coin is worth 10 silver coins
They are held back when a game is drawn
and all go to the next winner</translation>
    </message>
    <message>
        <source>現在の保有コイン数です
アレクサンドロス（自分）のコインがなくなると
ゲームオーバーになります</source>
        <translation>Coins held now
When Alexander (you) has no coins left,
the game is over</translation>
    </message>
    <message>
        <source>山札の現在枚数です
山札がなくなるとドロー「流れ」になります</source>
        <translation>Cards left in the stock
When the stock runs out, the game is drawn</translation>
    </message>
    <message>
        <source>F7キーで山札から１枚めくります
F8キーで川の一番上の札を拾います</source>
        <translation>F7 draws a card from the stock
F8 takes the top card of the river</translation>
    </message>
    <message>
        <source>自由設定イメージがセットされていません</source>
        <translation>No picture of your own has been chosen.</translation>
    </message>
    <message>
        <source>実行ファイルと同じ場所に上記のファイルが見つかりません</source>
        <translation>The file above was not found beside the program.</translation>
    </message>
    <message>
        <source>カンニングウィンドウの作成に失敗しました</source>
        <translation>The peek window could not be opened.</translation>
    </message>
    <message>
        <source>この設定変更は、次の回から適用されます</source>
        <translation>This change takes effect from the next game.</translation>
    </message>
    <message>
        <source>次回の起動時から適用されます</source>
        <translation>This takes effect the next time the game starts.</translation>
    </message>
    <message>
        <source>このファイルタイプはセットできません</source>
        <translation>Files of this type cannot be used.</translation>
    </message>
    <message>
        <source>この札は受け付けられません</source>
        <translation>This card cannot go here.</translation>
    </message>
    <message>
        <source>カード背景イメージのセットに失敗</source>
        <translation>The card back picture could not be set.</translation>
    </message>
    <message>
        <source>途中終了してもよろしいですか</source>
        <translation>Quit in the middle of the game?</translation>
    </message>
    <message>
        <source>地図上の都市を一つ進めませんでした</source>
        <translation>The king could not move on to the next city on the map.</translation>
    </message>
    <message>
        <source>長時間お疲れ様でした。今回は終了し、初期状態に戻ります</source>
        <translation>Thank you for playing so long. This campaign ends here, and the game starts afresh.</translation>
    </message>
    <message>
        <source>リーチ中や、山からめくった後ではかけることはできません</source>
        <translation>You cannot declare while in Reach or after drawing from the stock.</translation>
    </message>
    <message>
        <source>サラシ領域に出せるカードですが
このまま捨ててもよろしいですか</source>
        <translation>This card could be laid out in a meld.
Discard it anyway?</translation>
    </message>
    <message>
        <source>初級コース以外から初級コースに変更した場合、
カンニングモードは次回起動時に有効になります(Win7以降)</source>
        <translation>If you change to the Beginner course from another course,
peeking becomes available the next time the game starts.</translation>
    </message>
    <message>
        <source>山からめくるか川から拾った後でないとかけることはできません</source>
        <translation>You can only declare after drawing from the stock or taking from the river.</translation>
    </message>
    <message>
        <source>もう札を取っています
手札から１枚を川に捨ててください</source>
        <translation>You have already taken a card.
Discard one card from your hand to the river.</translation>
    </message>
    <message>
        <source>最後は必ず川に１枚捨てなければいけません</source>
        <translation>You must end by discarding one card to the river.</translation>
    </message>
    <message>
        <source>新規は3枚のみ受け付けます</source>
        <translation>A new meld takes exactly 3 cards.</translation>
    </message>
    <message>
        <source>追加は1枚のみ受け付けます</source>
        <translation>You can add only 1 card at a time.</translation>
    </message>
    <message>
        <source>最高19枚までです</source>
        <translation>A meld holds 19 cards at most.</translation>
    </message>
    <message>
        <source>ジョーカー1枚だけを出すことはできません</source>
        <translation>A Joker cannot be played on its own.</translation>
    </message>
    <message>
        <source>ジョーカーだけを出すことはできません</source>
        <translation>Jokers alone cannot be played.</translation>
    </message>
    <message>
        <source>ジョーカーを2枚以上入れることはできません</source>
        <translation>A meld cannot hold more than one Joker.</translation>
    </message>
    <message>
        <source>紋が同じでないと出すことはできません</source>
        <translation>The cards must all be of the same suit.</translation>
    </message>
    <message>
        <source>この組合せでは出すことはできません</source>
        <translation>These cards do not make a meld.</translation>
    </message>
    <message>
        <source>同位札でないと受け付けません</source>
        <translation>Only a card of the same rank can go here.</translation>
    </message>
    <message>
        <source>紋が違います</source>
        <translation>Wrong suit.</translation>
    </message>
    <message>
        <source>ジョーカーを左につけますか
「いいえ」の時は右につけます</source>
        <translation>Put the Joker on the left?
Choose "No" to put it on the right.</translation>
    </message>
    <message>
        <source>実行ファイルと同じ場所にヘルプフォルダがありません</source>
        <translation>The help folder was not found beside the program.</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません
今回のゲームの進行は保存されません
ファイルを直してから起動すると、続きから遊べます</source>
        <translation>The settings file cannot be read.
The progress of this session will not be saved.
Mend the file and start again to play on where you left off.</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めません
ゲームの進行は保存されていません</source>
        <translation>The settings file cannot be written.
Your progress has not been saved.</translation>
    </message>
    <message>
        <source>トルヴァゲームはすでに起動しています</source>
        <translation>TolvaGame is already running.</translation>
    </message>
    <message>
        <source>アクセスが許可されていません</source>
        <translation>Access is denied.</translation>
    </message>
    <message>
        <source>書き込みが禁止されています</source>
        <translation>Writing is not allowed.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>フォルダの場所にファイルがあります</source>
        <translation>There is a file where the folder should be.</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>入出力エラーが発生しました</source>
        <translation>An input/output error occurred.</translation>
    </message>
    <message>
        <source>フォルダが見つかりません</source>
        <translation>The folder was not found.</translation>
    </message>
    <message>
        <source>自動スタートの設定を解除しました
</source>
        <translation>Auto Start is now off
</translation>
    </message>
    <message>
        <source>自動スタートに設定しました
</source>
        <translation>Auto Start is now on
</translation>
    </message>
    <message>
        <source>ジョーカーの使用枚数 %1枚
</source>
        <translation>Jokers in play: %1
</translation>
    </message>
</context>
<context>
    <name>HoverHelp</name>
    <message>
        <source>%1の
手札のカンニング</source>
        <translation>Peek at
%1's hand</translation>
    </message>
    <message>
        <source>

※ 名札をクリックすると、%1の
手札をカンニングできます</source>
        <translation>

※ Click the name plate to peek at
%1's hand</translation>
    </message>
</context>
<context>
    <name>Settlement</name>
    <message>
        <source>『流れ』

</source>
        <translation>“Drawn game”

</translation>
    </message>
    <message>
        <source>打ち出し親は %1 が継続します。
</source>
        <translation>%1 opens the next game again.
</translation>
    </message>
    <message>
        <source>保留コインは %1 枚あります

</source>
        <translation>Pending coins: %1

</translation>
    </message>
    <message>
        <source>『 %1 の%2』

</source>
        <translation>“%1: %2”

</translation>
    </message>
    <message>
        <source>[初巡 - ２倍]
</source>
        <translation>[First round – double]
</translation>
    </message>
    <message>
        <source>[リーチ一発 - ２倍]

</source>
        <translation>[Reach on the first turn – double]

</translation>
    </message>
    <message>
        <source>[Joker %1枚 - %2倍]
</source>
        <translation>[Jokers: %1 – ×%2]
</translation>
    </message>
    <message>
        <source> (Joker %1枚, %2倍)</source>
        <translation> (Jokers: %1, ×%2)</translation>
    </message>
    <message>
        <source>リーチ料のストック = %1
</source>
        <translation>Reach stakes pool = %1
</translation>
    </message>
</context>
<context>
    <name>ResultKinds</name>
    <message>
        <source>トルヴァ失敗</source>
        <translation>Tolva failed</translation>
    </message>
    <message>
        <source>トルヴァ成功</source>
        <translation>Tolva</translation>
    </message>
    <message>
        <source>上がり</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>７０成功</source>
        <translation>Seventy</translation>
    </message>
    <message>
        <source>ツモ上がり</source>
        <translation>Tsumo win</translation>
    </message>
    <message>
        <source>リーチ上がり</source>
        <translation>Reach win</translation>
    </message>
    <message>
        <source>当たり上がり</source>
        <translation>Ron win</translation>
    </message>
</context>
<context>
    <name>Courses</name>
    <message>
        <source>中級</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>上級</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>プロ</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>初級</source>
        <translation>Beginner</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <source>トルヴァゲーム【%1コース】</source>
        <translation>TolvaGame [%1 Course]</translation>
    </message>
    <message>
        <source>トルヴァゲーム</source>
        <translation>TolvaGame</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>◀ 戻る</source>
        <translation>◀ Back</translation>
    </message>
    <message>
        <source>進む ▶</source>
        <translation>Forward ▶</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>前のページに戻ります (Alt+←)</source>
        <translation>Back to the previous page (Alt+←)</translation>
    </message>
    <message>
        <source>次のページに進みます (Alt+→)</source>
        <translation>On to the next page (Alt+→)</translation>
    </message>
    <message>
        <source>決定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>中止(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>初級コース　　　　　銀貨 10,000枚</source>
        <translation>Beginner     10,000 silver coins</translation>
    </message>
    <message>
        <source>中級コース　　　　　銀貨  5,000枚</source>
        <translation>Intermediate  5,000 silver coins</translation>
    </message>
    <message>
        <source>上級コース　　　　　銀貨  3,000枚</source>
        <translation>Advanced      3,000 silver coins</translation>
    </message>
    <message>
        <source>プロコース　　　　　銀貨  1,000枚</source>
        <translation>Pro           1,000 silver coins</translation>
    </message>
    <message>
        <source>初心者の方はこのコースを選択してください。カンニングもできます。</source>
        <translation>For newcomers. You may peek at the generals' hands, too.</translation>
    </message>
    <message>
        <source>初心者の方でカンニングしないでクリアしたい方はこのコースを選択してください。</source>
        <translation>For newcomers who want to win without peeking.</translation>
    </message>
    <message>
        <source>ルールを習得した上級者の方はこのコースを選択してください。</source>
        <translation>For seasoned players who know the rules.</translation>
    </message>
    <message>
        <source>クリアするのが、超難しいコースです。</source>
        <translation>A very hard course to complete.</translation>
    </message>
    <message>
        <source>カード背面の設定</source>
        <translation>Card Backs</translation>
    </message>
    <message>
        <source>既定のイメージ(&amp;1)</source>
        <translation>&amp;Default picture</translation>
    </message>
    <message>
        <source>自由設定イメージ(&amp;2)</source>
        <translation>Your &amp;own picture</translation>
    </message>
    <message>
        <source>保存終了(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>変更(&amp;P)</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>カード外周に枠線を付ける(&amp;W)</source>
        <translation>Draw a &amp;frame around each card</translation>
    </message>
    <message>
        <source>カードの背面に設定したいイメージを選択してください。</source>
        <translation>Choose the picture for the backs of the cards.</translation>
    </message>
    <message>
        <source>※ 自由設定イメージを変更したい場合は、「変更」ボタンをクリックして
  ファイルを選択してください。
   黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることもできます。</source>
        <translation>※ To change your own picture, click "Browse..." and
  choose a file.
   You can also drop a file straight into the black frame.</translation>
    </message>
    <message>
        <source>イメージファイルを指定</source>
        <translation>Choose a Picture File</translation>
    </message>
    <message>
        <source>イメージファイル(jpeg, gif, bmp, png, tiff) |*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEGファイル(*.jpeg)|*.jpg;*.jpeg|GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|PNGファイル(*.png)|*.png|TIFFファイル(*.tiff)|*.tif;*.tiff||</source>
        <translation>Pictures (jpeg, gif, bmp, png, tiff) |*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEG files (*.jpeg)|*.jpg;*.jpeg|GIF files (*.gif)|*.gif|Bitmap files (*.bmp)|*.bmp|PNG files (*.png)|*.png|TIFF files (*.tiff)|*.tif;*.tiff||</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About TolvaGame</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <comment>version history</comment>
        <translation>Version history</translation>
    </message>
    <message>
        <source>確認 (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>トルヴァゲーム</source>
        <translation>TolvaGame</translation>
    </message>
    <message>
        <source>アレクサンドロス大王の遠征をたどるカードゲーム</source>
        <translation>A card game along the march of Alexander the Great</translation>
    </message>
    <message>
        <source>© 2026 TolvaGame 開発チーム</source>
        <translation>© 2026 The TolvaGame Team</translation>
    </message>
    <message>
        <source>Version 1.0.0  2026/12  Linux 版 初版（Qt 6 版、絵・効果音・ヘルプを新規制作）
</source>
        <translation>Version 1.0.0  2026/12  First Linux release (Qt 6; new pictures, sound effects and help)
</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>　           　トルヴァゲーム</source>
        <translation>                    TolvaGame</translation>
    </message>
    <message>
        <source>     〜アレクサンドロス大王の東方遠征〜</source>
        <translation>   ~ Alexander the Great's March to the East ~</translation>
    </message>
    <message>
        <source>【ストーリー】</source>
        <translation>[ The Story ]</translation>
    </message>
    <message>
        <source>  このゲームは紀元前３３４年から３２３年までの間に</source>
        <translation>  This game is set during the march to the east</translation>
    </message>
    <message>
        <source>行われたアレクサンドロス大王の東方遠征を題材に</source>
        <translation>that Alexander the Great led from 334 to 323 BC.</translation>
    </message>
    <message>
        <source>しています。大王は部下の将軍たちとトルヴァゲーム</source>
        <translation>The king plays Tolva against his generals as he</translation>
    </message>
    <message>
        <source>を戦いながら地図上の経路をたどり、軍資金が</source>
        <translation>follows the route across the map, and he can go</translation>
    </message>
    <message>
        <source>なくなるまで、ゲームを続けることができます。</source>
        <translation>on playing until his war chest runs dry.</translation>
    </message>
    <message>
        <source>  大王はゲーム１０回毎に地図の経路を１つ進むことが</source>
        <translation>  Every ten games the king moves one step along</translation>
    </message>
    <message>
        <source>できますが、そのたびに４人の部下へ給料として</source>
        <translation>the route, and each time he must pay each of his</translation>
    </message>
    <message>
        <source>銀貨５０枚ずつを支払わなければなりません。</source>
        <translation>four generals 50 silver coins in wages.</translation>
    </message>
    <message>
        <source>給料の分はゲームに勝って取り戻す必要があります。</source>
        <translation>He has to win those wages back at the table.</translation>
    </message>
    <message>
        <source>負けが続くと軍資金はみるみる減っていき、底を</source>
        <translation>A run of losses soon drains the war chest, and</translation>
    </message>
    <message>
        <source>ついた時点で遠征は終わり、ゲームオーバー</source>
        <translation>when it is empty the march ends and the game</translation>
    </message>
    <message>
        <source>になります。</source>
        <translation>is over.</translation>
    </message>
    <message>
        <source>  このゲームの最終目標は、地図上の経路を全てたどり</source>
        <translation>  The final goal is to follow the whole route:</translation>
    </message>
    <message>
        <source>史実ではバビロンで終わった大王の遠征を、地中海を</source>
        <translation>to carry the march, which history ended at</translation>
    </message>
    <message>
        <source>時計回りにめぐって故郷マケドニアまで続け、完結</source>
        <translation>Babylon, clockwise around the Mediterranean home</translation>
    </message>
    <message>
        <source>させることです。</source>
        <translation>to Macedonia, and so bring it to its end.</translation>
    </message>
    <message>
        <source>【注意】</source>
        <translation>[ Notes ]</translation>
    </message>
    <message>
        <source>  １．ゲームを途中で終了してもそれまでの獲得コイン</source>
        <translation>  1. The coins you have won are kept even when</translation>
    </message>
    <message>
        <source>　　数は記憶されます。</source>
        <translation>      you quit in the middle of a game.</translation>
    </message>
    <message>
        <source>　２．部下のコイン数はマイナスになることもあります</source>
        <translation>  2. A general's coins may fall below zero,</translation>
    </message>
    <message>
        <source>　　がゲームは終了しません。</source>
        <translation>      but the game goes on.</translation>
    </message>
    <message>
        <source>                        企画・製作</source>
        <translation>                  Design and Production</translation>
    </message>
    <message>
        <source>                   TolvaGame 開発チーム</source>
        <translation>                 The TolvaGame Team</translation>
    </message>
    <message>
        <source>                    幸運をお祈り致します</source>
        <translation>                         Good luck!</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>アンティオコスの子、セレウコス</source>
        <translation>Seleucus, son of Antiochus</translation>
    </message>
    <message>
        <source>【B.C.358-280】</source>
        <translation>[358–280 BC]</translation>
    </message>
    <message>
        <source>大王の東征に従い、近衛の歩兵隊を率いた。</source>
        <translation>Led the royal foot guard on the march east.</translation>
    </message>
    <message>
        <source>インドのヒュダスペス河畔の戦いで活躍。</source>
        <translation>Fought with distinction at the Hydaspes in India.</translation>
    </message>
    <message>
        <source>スサの合同結婚式でアパメを妻に迎えた。</source>
        <translation>Married Apama at the mass wedding at Susa.</translation>
    </message>
    <message>
        <source>大王の死後、バビロニアの総督となる。</source>
        <translation>After the king's death, satrap of Babylonia.</translation>
    </message>
    <message>
        <source>アンティゴノスに追われ、エジプトへ逃れた。</source>
        <translation>Driven out by Antigonus, he fled to Egypt.</translation>
    </message>
    <message>
        <source>前312年バビロンに戻り、王国の礎を築く。</source>
        <translation>Back in Babylon in 312 BC, he laid the base of a kingdom.</translation>
    </message>
    <message>
        <source>東方の諸州を平定し、インドにまで至った。</source>
        <translation>He subdued the eastern provinces as far as India,</translation>
    </message>
    <message>
        <source>マウリヤ朝のチャンドラグプタと和を結び、</source>
        <translation>made peace with Chandragupta of the Mauryas,</translation>
    </message>
    <message>
        <source>象五百頭を得て、西へ軍を返した。</source>
        <translation>and marched west again with five hundred elephants.</translation>
    </message>
    <message>
        <source>前301年イプソスでアンティゴノスを破る。</source>
        <translation>Defeated Antigonus at Ipsus in 301 BC.</translation>
    </message>
    <message>
        <source>シリアにアンティオキアの都を建設した。</source>
        <translation>Founded Antioch in Syria as his capital.</translation>
    </message>
    <message>
        <source>前281年コルペディオンでリュシマコスを破り、</source>
        <translation>Beat Lysimachus at Corupedium in 281 BC, and was</translation>
    </message>
    <message>
        <source>故国マケドニアへ渡る途中で暗殺された。</source>
        <translation>murdered on his way home to Macedonia;</translation>
    </message>
    <message>
        <source>刺客はプトレマイオスの子ケラウノス。享年78歳位</source>
        <translation>his killer was Ptolemy's son Ceraunus. Died at about 78</translation>
    </message>
    <message>
        <source>ラゴスの子、プトレマイオス</source>
        <translation>Ptolemy, son of Lagus</translation>
    </message>
    <message>
        <source>【367?-283B.C.】</source>
        <translation>[367?–283 BC]</translation>
    </message>
    <message>
        <source>大王の幼友達で、側近護衛官の一人。</source>
        <translation>A boyhood friend of the king and one of his bodyguards.</translation>
    </message>
    <message>
        <source>遠征中、逃亡したベッソスを捕らえた。</source>
        <translation>During the march he captured the fugitive Bessus.</translation>
    </message>
    <message>
        <source>大王の死後エジプトを得て、遺骸を奪い葬る。</source>
        <translation>After the king's death he took Egypt, and seized and buried the king's body.</translation>
    </message>
    <message>
        <source>前305年に王を称し、プトレマイオス朝を開く。</source>
        <translation>Took the title of king in 305 BC and founded the Ptolemaic dynasty.</translation>
    </message>
    <message>
        <source>ムセイオンを興し、天寿を全うした。享年84歳位</source>
        <translation>Founded the Museum and died of old age at about 84</translation>
    </message>
    <message>
        <source>ピリッポスの子、アンティゴノス</source>
        <translation>Antigonus, son of Philip</translation>
    </message>
    <message>
        <source>【382?-301B.C.】</source>
        <translation>[382?–301 BC]</translation>
    </message>
    <message>
        <source>「隻眼」と呼ばれ、先王の代から仕えた老将。</source>
        <translation>Called the One-Eyed, a veteran who had served the king's father.</translation>
    </message>
    <message>
        <source>東征ではプリュギアの総督に任じられ、</source>
        <translation>On the march east he was made satrap of Phrygia;</translation>
    </message>
    <message>
        <source>小アジアを固めて大王の背後を守った。</source>
        <translation>he held Asia Minor and guarded the king's rear.</translation>
    </message>
    <message>
        <source>大王の死後、アジアの全軍の指揮を握り、</source>
        <translation>After the king's death he took command of all the armies in Asia,</translation>
    </message>
    <message>
        <source>エウメネスを破って東方にも勢力を広げた。</source>
        <translation>defeated Eumenes and spread his power to the east.</translation>
    </message>
    <message>
        <source>前306年、子デメトリオスと共に王を称す。</source>
        <translation>In 306 BC he took the title of king with his son Demetrius.</translation>
    </message>
    <message>
        <source>前301年、イプソスでセレウコスらと戦い、</source>
        <translation>In 301 BC he fought Seleucus and his allies at Ipsus</translation>
    </message>
    <message>
        <source>投げ槍を受けて戦場に倒れた。享年81歳位</source>
        <translation>and fell on the field, struck by a javelin. Died at about 81</translation>
    </message>
    <message>
        <source>オロンテスの子、リュシマコス</source>
        <translation>Lysimachus, son of Orontes</translation>
    </message>
    <message>
        <source>【355?-281B.C.】</source>
        <translation>[355?–281 BC]</translation>
    </message>
    <message>
        <source>大王の側近護衛官として東征に従った。</source>
        <translation>Followed the march east as one of the king's bodyguards.</translation>
    </message>
    <message>
        <source>大王の死後、トラキアを治めることになる。</source>
        <translation>After the king's death he came to rule Thrace.</translation>
    </message>
    <message>
        <source>都リュシマケイアを築き、やがて王を称す。</source>
        <translation>He built his capital, Lysimachia, and in time took the title of king.</translation>
    </message>
    <message>
        <source>イプソスの勝利後、小アジアとマケドニアを得た。</source>
        <translation>After the victory at Ipsus he won Asia Minor and Macedonia.</translation>
    </message>
    <message>
        <source>コルペディオンでセレウコスに敗死。享年74歳位</source>
        <translation>Defeated and killed by Seleucus at Corupedium. Died at about 74</translation>
    </message>
    <message>
        <source>ピリッポスの子、アレクサンドロス</source>
        <translation>Alexander, son of Philip</translation>
    </message>
    <message>
        <source>【356-323B.C.】</source>
        <translation>[356–323 BC]</translation>
    </message>
    <message>
        <source>ペラに生まれ、アリストテレスに学んだ。</source>
        <translation>Born at Pella, he was taught by Aristotle.</translation>
    </message>
    <message>
        <source>前336年、父王の暗殺により二十歳で即位。</source>
        <translation>King at twenty when his father was murdered in 336 BC.</translation>
    </message>
    <message>
        <source>前334年、ヘレスポントスを渡り東征を開始。</source>
        <translation>In 334 BC he crossed the Hellespont and began the march east.</translation>
    </message>
    <message>
        <source>グラニコス河畔でペルシア軍を破った。</source>
        <translation>Defeated the Persian army at the river Granicus.</translation>
    </message>
    <message>
        <source>イッソスの戦いでダレイオス3世を敗走させた。</source>
        <translation>Put Darius III to flight at the battle of Issus.</translation>
    </message>
    <message>
        <source>テュロスを攻め落とし、エジプトへ入った。</source>
        <translation>Took Tyre by storm and entered Egypt.</translation>
    </message>
    <message>
        <source>ナイル河口の西にアレクサンドリアを建設。</source>
        <translation>Founded Alexandria, west of the mouths of the Nile.</translation>
    </message>
    <message>
        <source>ガウガメラの戦いに勝ち、ペルシアを滅ぼす。</source>
        <translation>Won the battle of Gaugamela and brought down Persia.</translation>
    </message>
    <message>
        <source>バクトリア、ソグディアナを経てインドへ進み、</source>
        <translation>Marched on through Bactria and Sogdiana into India</translation>
    </message>
    <message>
        <source>ヒュダスペス河畔でポロス王を降した。</source>
        <translation>and defeated King Porus at the Hydaspes.</translation>
    </message>
    <message>
        <source>帰還の後、バビロンで熱病に倒れた。享年32歳</source>
        <translation>Back in Babylon, he died of a fever. He was 32</translation>
    </message>
</context>
<context>
    <name>Chronicle</name>
    <message>
        <source>戦績</source>
        <translation>Chronicle</translation>
    </message>
    <message>
        <source>遠征(&amp;A):</source>
        <translation>&amp;Campaign:</translation>
    </message>
    <message>
        <source>すべての遠征</source>
        <translation>All campaigns</translation>
    </message>
    <message>
        <source>第%1次遠征（%2コース）%3 〜 %4</source>
        <translation>Campaign %1 (%2 course): %3 – %4</translation>
    </message>
    <message>
        <source>進行中</source>
        <translation>under way</translation>
    </message>
    <message>
        <source>記録開始前</source>
        <translation>before the chronicle</translation>
    </message>
    <message>
        <source>CSV に書き出す(&amp;E)...</source>
        <translation>&amp;Export as CSV...</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>概要(&amp;1)</source>
        <translation>&amp;1 Overview</translation>
    </message>
    <message>
        <source>軍資金の推移(&amp;2)</source>
        <translation>&amp;2 War Chest</translation>
    </message>
    <message>
        <source>勝ち数(&amp;3)</source>
        <translation>&amp;3 Wins</translation>
    </message>
    <message>
        <source>征服した都市(&amp;4)</source>
        <translation>&amp;4 Conquered Cities</translation>
    </message>
    <message>
        <source>まだ記録された対局はありません</source>
        <translation>No games have been recorded yet</translation>
    </message>
    <message>
        <source>戦績を読み込めませんでした:
%1</source>
        <translation>The chronicle could not be read:
%1</translation>
    </message>
    <message>
        <source>ファイルではありません: %1</source>
        <translation>Not a file: %1</translation>
    </message>
    <message>
        <source>対局数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>%1 局（流れ %2 局、平均 %3 手番）</source>
        <translation>%1 games (%2 drawn, %3 turns on average)</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>上がり</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>トルヴァ 成功 / 宣言</source>
        <translation>Tolva won / declared</translation>
    </message>
    <message>
        <source>リーチ 上がり / 宣言</source>
        <translation>Reach won / called</translation>
    </message>
    <message>
        <source>ポン・カン</source>
        <translation>Pon and Kan</translation>
    </message>
    <message>
        <source>%1 / %2（%3%）</source>
        <translation>%1 / %2 (%3%)</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>最高の対局</source>
        <translation>Best game</translation>
    </message>
    <message>
        <source>最悪の対局</source>
        <translation>Worst game</translation>
    </message>
    <message>
        <source>%1　%2 第%3戦　%4　%5 枚</source>
        <translation>%1   %2, game %3   %4   %5 coins</translation>
    </message>
    <message>
        <source>最長連勝</source>
        <translation>Longest winning streak</translation>
    </message>
    <message>
        <source>最長連敗</source>
        <translation>Longest losing streak</translation>
    </message>
    <message>
        <source>現在の流れ</source>
        <translation>Current run</translation>
    </message>
    <message>
        <source>%1 局</source>
        <translation>%1 games</translation>
    </message>
    <message>
        <source>%1 連勝中</source>
        <translation>won %1 in a row</translation>
    </message>
    <message>
        <source>%1 連敗中</source>
        <translation>lost %1 in a row</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>連勝はアレクサンドロスの上がり、連敗は銀貨を支払った対局の続いた数です</source>
        <translation>A winning streak counts Alexander's wins in a row; a losing streak, games in a row in which he paid silver</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>流れ</source>
        <translation>Drawn game</translation>
    </message>
    <message>
        <source>アレクサンドロスの軍資金（銀貨）</source>
        <translation>Alexander's war chest (silver coins)</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>上がりの数（名前ごと）</source>
        <translation>Wins by player</translation>
    </message>
    <message>
        <source>対局の結果</source>
        <translation>How the games ended</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>都市</source>
        <translation>City</translation>
    </message>
    <message>
        <source>征服した日時</source>
        <translation>Conquered on</translation>
    </message>
    <message>
        <source>遠征</source>
        <translation>Campaign</translation>
    </message>
    <message>
        <source>第%1次</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>まだ征服した都市はありません</source>
        <translation>No cities have been conquered yet</translation>
    </message>
    <message>
        <source>yyyy/MM/dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>yyyy/MM/dd HH:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>戦績を CSV に書き出す</source>
        <translation>Export the Chronicle as CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>tolvagame-chronicle.csv</source>
        <translation>tolvagame-chronicle.csv</translation>
    </message>
    <message>
        <source>ファイルに書き出せませんでした:
%1</source>
        <translation>The file could not be written:
%1</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>都市番号</source>
        <translation>City no.</translation>
    </message>
    <message>
        <source>回戦</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>Jokers</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>結果の席</source>
        <translation>Result seat</translation>
    </message>
    <message>
        <source>振り込んだ席</source>
        <translation>Paying seat</translation>
    </message>
    <message>
        <source>支払い（%1）</source>
        <translation>Payment (%1)</translation>
    </message>
    <message>
        <source>軍資金（%1）</source>
        <translation>War chest (%1)</translation>
    </message>
    <message>
        <source>リーチ料のストック</source>
        <translation>Reach stakes pool</translation>
    </message>
    <message>
        <source>手番数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>リーチ</source>
        <translation>Reach</translation>
    </message>
    <message>
        <source>ポン・カン（%1）</source>
        <translation>Pon and Kan (%1)</translation>
    </message>
    <message>
        <source>・</source>
        <translation> / </translation>
    </message>
    <message>
        <source>戦績のファイルが壊れていたため、次の名前で残し、新しい戦績を始めました:
%1</source>
        <translation>The chronicle file was damaged; it was kept under the name below and a new chronicle was begun:
%1</translation>
    </message>
    <message>
        <source>戦績のファイルを他のプログラムが使用中のため、今は記録できません。
使用が終わると、次の対局のときにまとめて記録します。ゲームはそのまま続けられます。</source>
        <translation>Another program is using the chronicle file, so games cannot be recorded now.
Once it is free, they are recorded together at the next game. You can play on as before.</translation>
    </message>
    <message>
        <source>ディスクがいっぱいのため、戦績を記録できません。
空きができると、次の対局のときにまとめて記録します。ゲームはそのまま続けられます。</source>
        <translation>The disk is full, so games cannot be recorded.
Once there is room, they are recorded together at the next game. You can play on as before.</translation>
    </message>
    <message>
        <source>戦績のファイルに書き込めないため、戦績を記録できません:
%1
ゲームはそのまま続けられます。</source>
        <translation>The chronicle file cannot be written, so games cannot be recorded:
%1
You can play on as before.</translation>
    </message>
    <message>
        <source>戦績のファイルを開けないため、戦績を記録できません:
%1
ゲームはそのまま続けられます。</source>
        <translation>The chronicle file cannot be opened, so games cannot be recorded:
%1
You can play on as before.</translation>
    </message>
    <message>
        <source>戦績のファイルはより新しい版のトルヴァゲームで作られたため、この版では記録しません:
%1</source>
        <translation>The chronicle file was made by a newer version of TolvaGame, so this version does not record to it:
%1</translation>
    </message>
</context>
</TS>
