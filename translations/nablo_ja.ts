<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Accessibility</name>
    <message>
        <source>ace</source>
        <translation>エース</translation>
    </message>
    <message>
        <source>two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>ジャック</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>king</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>in a slot</source>
        <translation>スロットにあり</translation>
    </message>
    <message>
        <source>on the pile</source>
        <translation>場にあり</translation>
    </message>
    <message>
        <source>not dealt</source>
        <translation>未配布</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>Card slot %1</source>
        <translation>スロット %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>pays %1, reached</source>
        <translation>配当 %1、達成</translation>
    </message>
    <message>
        <source>pays %1</source>
        <translation>配当 %1</translation>
    </message>
    <message>
        <source>pays %1, hits %2, showing</source>
        <translation>配当 %1、成立 %2 回、成立中</translation>
    </message>
    <message>
        <source>pays %1, hits %2</source>
        <translation>配当 %1、成立 %2 回</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Cards placed</source>
        <translation>置いたカード</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>ベット</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Pile</source>
        <translation>場札</translation>
    </message>
    <message>
        <source>Card slot %1 mark</source>
        <translation>スロット %1 の表示</translation>
    </message>
    <message>
        <source>selectable</source>
        <translation>置ける</translation>
    </message>
    <message>
        <source>not selectable</source>
        <translation>置けない</translation>
    </message>
    <message>
        <source>Pays for %1</source>
        <translation>%1 の配当</translation>
    </message>
    <message>
        <source>Hits of %1</source>
        <translation>%1 の成立回数</translation>
    </message>
    <message>
        <source>%1 row</source>
        <translation>%1の列</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>stake %1</source>
        <translation>賭け %1</translation>
    </message>
    <message>
        <source>Card board</source>
        <translation>カード表</translation>
    </message>
    <message>
        <source>not dealt yet: %1</source>
        <translation>未配布: %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1／%2</translation>
    </message>
    <message>
        <source>in a slot: %1</source>
        <translation>スロット: %1</translation>
    </message>
    <message>
        <source>%1 card on the pile</source>
        <translation>場に %1 枚</translation>
    </message>
    <message>
        <source>%1 cards on the pile</source>
        <translation>場に %1 枚</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>Boxes</name>
    <message>
        <source>%1 credit paid.</source>
        <translation>%1クレジットの支払い。</translation>
    </message>
    <message>
        <source>%1 credits paid.</source>
        <translation>%1クレジットの支払い。</translation>
    </message>
    <message>
        <source>Congratulations: all 104 cards placed. %1 Play on?</source>
        <translation>おめでとうございます。104 枚達成です。%1ゲームを続けますか？</translation>
    </message>
    <message>
        <source>No card can be placed. %1 Play on?</source>
        <translation>これ以上置くことは出来ません。%1ゲームを続けますか？</translation>
    </message>
    <message>
        <source>No card can be placed. %1</source>
        <translation>これ以上置くことは出来ません。%1</translation>
    </message>
    <message>
        <source>No credits left. The game ends.</source>
        <translation>クレジットが無くなってしまいました。ゲームを終了します。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: nablo [--help | --version]
A one-player card game for credits. Stake with BET, press START, then place the slot
cards on the pile while one matches it in suit or in rank: the more cards you place, the
more the game pays. Every run starts with 100 credits.

  --help     print this help and exit
  --version  print the version and exit

Press F1 in the game for its keys. The game needs a display (X11 or Wayland).
</source>
        <translation>使い方: nablo [--help | --version]
クレジットを賭けて遊ぶ一人用のカードゲームです。BET で賭けて START を押し、
場札とスートか数字が同じスロットのカードを場に置いていきます。置いたカードが
多いほど配当が増えます。起動するたびに 100 クレジットから始まります。

  --help     このヘルプを表示して終了します
  --version  バージョンを表示して終了します

ゲーム中に F1 を押すとキーの一覧が出ます。表示には X11 か Wayland のディスプレイが必要です。
</translation>
    </message>
    <message>
        <source>nablo: unknown argument &apos;%1&apos;; try &apos;nablo --help&apos;</source>
        <translation>nablo: 不明な引数 &apos;%1&apos; です。&apos;nablo --help&apos; を参照してください</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>nablo: no folder holds the 52 card pictures in cards/ (looked in %1); the first deal will fail</source>
        <translation>nablo: 52 枚のカードの画像を cards/ に持つフォルダーがありません (探した場所: %1)。最初に配るときに失敗します</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>nablo: the Qt platform plugin &apos;%1&apos; is missing or cannot start; run it on a desktop with QT_QPA_PLATFORM unset, or headless with: xvfb-run nablo</source>
        <translation>nablo: Qt のプラットフォームプラグイン &apos;%1&apos; がないか、起動できません。QT_QPA_PLATFORM を設定せずにデスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
    <message>
        <source>nablo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it on a desktop, or headless with: xvfb-run nablo</source>
        <translation>nablo: ディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。デスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
    <message>
        <source>nablo: no display found (QT_QPA_PLATFORM=%1 needs %2, which is unset); run it on a desktop, or headless with: xvfb-run nablo</source>
        <translation>nablo: ディスプレイがありません (QT_QPA_PLATFORM=%1 には %2 が必要ですが、設定されていません)。デスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
    <message>
        <source>nablo: no display found (QT_QPA_PLATFORM=%1 needs %2, which is unset; %3 is set but not used); run it on a desktop, or headless with: xvfb-run nablo</source>
        <translation>nablo: ディスプレイがありません (QT_QPA_PLATFORM=%1 には %2 が必要ですが、設定されていません。%3 は設定されていますが使われません)。デスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
    <message>
        <source>nablo: cannot open the display (%1); run it on a desktop, or headless with: xvfb-run nablo</source>
        <translation>nablo: ディスプレイを開けません (%1)。デスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>place the card of that slot</source>
        <translation>そのスロットのカードを置く</translation>
    </message>
    <message>
        <source>bet one credit (BET)</source>
        <translation>1 クレジット賭ける (BET)</translation>
    </message>
    <message>
        <source>stake up to ten credits and start (BETx10)</source>
        <translation>10 クレジットまで賭けて始める (BETx10)</translation>
    </message>
    <message>
        <source>start the game (START)</source>
        <translation>ゲームを始める (START)</translation>
    </message>
    <message>
        <source>advice: each playable card shows what it is expected to pay if you follow the advice from then on, and the best slot is outlined, until the next click</source>
        <translation>アドバイス: 置けるカードごとに、以後もアドバイスどおりに置いたときの配当の見込みを表示し、一番よいスロットを枠で囲みます。次のクリックまで表示されます</translation>
    </message>
    <message>
        <source>demo: the advisor places the cards of this game; D again, any other key or any click stops it</source>
        <translation>デモ: アドバイザーがこのゲームのカードを置きます。もう一度 D を押すか、ほかのキーを押すか、クリックすると止まります</translation>
    </message>
    <message>
        <source>sound off and on; the title says when it is off</source>
        <translation>音を消す・戻す。消えている間はタイトルに表示されます</translation>
    </message>
    <message>
        <source>trainer on and off: after a placement, tells when another card was clearly better, and by how much</source>
        <translation>トレーナーのオン・オフ: カードを置いたあと、ほかのカードの方が明らかによかったとき、それとどれだけよかったかを知らせます</translation>
    </message>
    <message>
        <source>statistics of this run, with a chart of the credits</source>
        <translation>この回の統計とクレジットのグラフ</translation>
    </message>
    <message>
        <source>move between the buttons, press the one with the focus; Enter or Space on a card slot places its card</source>
        <translation>ボタン間を移動し、フォーカスのあるボタンを押す。カードのスロットでは Enter か Space でそのカードを置きます</translation>
    </message>
    <message>
        <source>these keys</source>
        <translation>このキー一覧</translation>
    </message>
    <message>
        <source>In a question box, Enter or Y answers Yes and N No; only an answer closes it.</source>
        <translation>質問のウィンドウでは Enter か Y で Yes、N で No と答えます。答えるまでウィンドウは閉じません。</translation>
    </message>
    <message>
        <source>How to play: stake with BET, then press START. Place a slot card on the pile when it has the pile card&apos;s suit or rank; the more cards you place, the higher the pay, and poker hands among the five slot cards pay a bonus.</source>
        <translation>遊び方: BET で賭けて START を押します。場札とスートか数字が同じスロットのカードを場に置きます。置いたカードが多いほど配当が増え、5 枚のスロットのカードにポーカーの役ができるとボーナスが支払われます。</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Yes</source>
        <translation>はい(Y)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ(N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The game has ended. Start a new run to play again.</source>
        <translation>ゲームは終わりました。もう一度遊ぶには、新しく始めてください。</translation>
    </message>
    <message>
        <source>The game stopped on an error. Start a new run to play again.</source>
        <translation>ゲームはエラーで止まりました。もう一度遊ぶには、新しく始めてください。</translation>
    </message>
    <message>
        <source>New run</source>
        <translation>新しく始める</translation>
    </message>
    <message>
        <source>A new version of NABLO is ready. It starts when the page reloads, with new credits.</source>
        <translation>NABLO の新しい版の用意ができました。ページを読み込み直すと、新しいクレジットで始まります。</translation>
    </message>
    <message>
        <source>Reload now</source>
        <translation>今すぐ読み込み直す</translation>
    </message>
</context>
<context>
    <name>PlaySession</name>
    <message>
        <source>advice: only slot %1 can be placed</source>
        <translation>アドバイス: 置けるのはスロット %1 だけです</translation>
    </message>
    <message>
        <source>advice: slot %1</source>
        <translation>アドバイス: スロット %1</translation>
    </message>
    <message>
        <source>credits if advised</source>
        <translation>アドバイスどおりの見込み</translation>
    </message>
    <message>
        <source>Expected pay of each playable card, following the advice from then on</source>
        <translation>以後もアドバイスどおりに置いたときの、置けるカードごとの配当の見込み</translation>
    </message>
    <message>
        <source>Trainer</source>
        <translation>トレーナー</translation>
    </message>
    <message>
        <source>the %1 was worth %2 credits more than the %3, expected</source>
        <translation>見込みでは、%1 の方が %3 より %2 クレジット多く得られました</translation>
    </message>
    <message>
        <source>Game over: %1, %2</source>
        <translation>ゲーム終了: %1、%2</translation>
    </message>
    <message>
        <source>%1 card placed</source>
        <translation>%1 枚置いた</translation>
    </message>
    <message>
        <source>%1 cards placed</source>
        <translation>%1 枚置いた</translation>
    </message>
    <message>
        <source>%1 credit paid</source>
        <translation>配当 %1 クレジット</translation>
    </message>
    <message>
        <source>%1 credits paid</source>
        <translation>配当 %1 クレジット</translation>
    </message>
    <message>
        <source>%1, all cards placed</source>
        <translation>%1、全カードを置いた</translation>
    </message>
    <message>
        <source>%1, no credits left</source>
        <translation>%1、クレジットなし</translation>
    </message>
    <message>
        <source>sound off</source>
        <translation>音声オフ</translation>
    </message>
    <message>
        <source>sound on</source>
        <translation>音声オン</translation>
    </message>
    <message>
        <source>demo</source>
        <translation>デモ</translation>
    </message>
    <message>
        <source>trainer</source>
        <translation>トレーナー</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Games played</source>
        <translation>遊んだゲーム数</translation>
    </message>
    <message>
        <source>Credits staked</source>
        <translation>賭けたクレジット</translation>
    </message>
    <message>
        <source>Credits paid back</source>
        <translation>払い戻されたクレジット</translation>
    </message>
    <message>
        <source>Your return (paid ÷ staked)</source>
        <translation>還元率 (払い戻し ÷ 賭け金)</translation>
    </message>
    <message>
        <source>Best game (credits)</source>
        <translation>最高のゲーム (クレジット)</translation>
    </message>
    <message>
        <source>%1 hits</source>
        <translation>%1 の成立回数</translation>
    </message>
    <message>
        <source>Placements judged by the trainer</source>
        <translation>トレーナーが判定した置き方</translation>
    </message>
    <message>
        <source>… that matched the advisor</source>
        <translation>… うちアドバイザーと同じもの</translation>
    </message>
    <message>
        <source>Expected credits given up</source>
        <translation>失った見込みクレジット</translation>
    </message>
    <message>
        <source>no game yet</source>
        <translation>まだゲームがありません</translation>
    </message>
    <message>
        <source>Statistics of this run</source>
        <translation>この回の統計</translation>
    </message>
    <message>
        <source>This run</source>
        <translation>この回</translation>
    </message>
    <message>
        <source>Credits after each game</source>
        <translation>ゲームごとのクレジット</translation>
    </message>
    <message>
        <source>game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Games by the tier row reached</source>
        <translation>達した段ごとのゲーム数</translation>
    </message>
    <message>
        <source>cards placed</source>
        <translation>置いたカード</translation>
    </message>
    <message>
        <source>games</source>
        <translation>ゲーム数</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ToolTips</name>
    <message>
        <source>Diamonds of the deck: white while not yet dealt, yellow while in a slot, gone once on the pile</source>
        <translation>ダイヤのカード: 白はまだ配られていないもの、黄色はスロットにあるもの。場に置いたものは消えます</translation>
    </message>
    <message>
        <source>Spades of the deck: white while not yet dealt, yellow while in a slot, gone once on the pile</source>
        <translation>スペードのカード: 白はまだ配られていないもの、黄色はスロットにあるもの。場に置いたものは消えます</translation>
    </message>
    <message>
        <source>Hearts of the deck: white while not yet dealt, yellow while in a slot, gone once on the pile</source>
        <translation>ハートのカード: 白はまだ配られていないもの、黄色はスロットにあるもの。場に置いたものは消えます</translation>
    </message>
    <message>
        <source>Clubs of the deck: white while not yet dealt, yellow while in a slot, gone once on the pile</source>
        <translation>クラブのカード: 白はまだ配られていないもの、黄色はスロットにあるもの。場に置いたものは消えます</translation>
    </message>
    <message>
        <source>What the game pays, at this stake, for the number of cards placed; the row reached lights up</source>
        <translation>場に置いたカードの枚数に応じた、この賭け金での配当です。達した段が光ります</translation>
    </message>
    <message>
        <source>What each poker hand of the five slot cards pays, at this stake, every time it shows; HITS counts how often it showed in this game</source>
        <translation>5 枚のスロットのカードにできたポーカーの役ごとの、この賭け金での配当です。役ができるたびに支払われます。HITS はこのゲームで役ができた回数です</translation>
    </message>
    <message>
        <source>How many cards you have placed on the pile in this game</source>
        <translation>このゲームで場に置いたカードの枚数です</translation>
    </message>
    <message>
        <source>Stake one more credit (key B)</source>
        <translation>1 クレジット追加で賭けます (B キー)</translation>
    </message>
    <message>
        <source>Stake up to ten units and start the game (key X)</source>
        <translation>10 単位まで賭けてゲームを始めます (X キー)</translation>
    </message>
    <message>
        <source>Deal the cards and start the game with the stake (key S or Enter)</source>
        <translation>その賭け金でカードを配り、ゲームを始めます (S キーか Enter キー)</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>en</source>
        <extracomment>The code of the language of this translation.</extracomment>
        <translation>ja</translation>
    </message>
</context>
</TS>
