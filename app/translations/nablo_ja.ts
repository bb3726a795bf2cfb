<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <source>nablo: unknown argument '%1'; try 'nablo --help'</source>
        <translation>nablo: 不明な引数 '%1' です。'nablo --help' を参照してください</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>nablo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it on a desktop, or headless with: xvfb-run nablo</source>
        <translation>nablo: ディスプレイがありません (DISPLAY も WAYLAND_DISPLAY も設定されていません)。デスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
    <message>
        <source>nablo: cannot open the display (%1); run it on a desktop, or headless with: xvfb-run nablo</source>
        <translation>nablo: ディスプレイを開けません (%1)。デスクトップで起動するか、画面なしなら xvfb-run nablo で起動してください</translation>
    </message>
</context>
</TS>
