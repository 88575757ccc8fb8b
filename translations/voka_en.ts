<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>IDD_ABOUTBOX</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報 voka</source>
        <translation>About voka</translation>
    </message>
    <message>
        <source>voka Version 1.0</source>
        <translation>voka Version 1.0</translation>
    </message>
    <message>
        <source>スパイダー遮光による星像解析</source>
        <translation>Star images of spider-vane obstructions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>IDD_MAIN</name>
    <message>
        <source>スパイダー遮光解析&#x3000;VOKA Ver1.0</source>
        <translation>Spider Obstruction Analysis - VOKA Ver1.0</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>FFT</source>
        <translation>FFT</translation>
    </message>
    <message>
        <source>ﾚｲﾄﾚｰｽ</source>
        <translation>Ray trace</translation>
    </message>
    <message>
        <source>設計...</source>
        <translation>Design...</translation>
    </message>
    <message>
        <source>星像...</source>
        <translation>Star image...</translation>
    </message>
    <message>
        <source>Progress1</source>
        <translation>Progress1</translation>
    </message>
</context>
<context>
    <name>voka::CCompareDlg</name>
    <message>
        <source>比較</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>A と B の瞳を選んでください。</source>
        <translation>Choose the pupils A and B.</translation>
    </message>
    <message>
        <source>%1: ファイル...</source>
        <translation>%1: File...</translation>
    </message>
    <message>
        <source>%1: 設計中の瞳</source>
        <translation>%1: Designer's pupil</translation>
    </message>
    <message>
        <source>(未選択)</source>
        <translation>(not chosen)</translation>
    </message>
    <message>
        <source>瞳 (*.json *.bmp);;設計ファイル (*.json);;ビットマップ (*.bmp)</source>
        <translation>Pupils (*.json *.bmp);;Design files (*.json);;Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>A と B を入れ替え</source>
        <translation>Swap A and B</translation>
    </message>
    <message>
        <source>変化 B − A</source>
        <translation>Change B − A</translation>
    </message>
    <message>
        <source>変化 log10(B/A)</source>
        <translation>Change log10(B/A)</translation>
    </message>
    <message>
        <source> 画素</source>
        <translation> px</translation>
    </message>
    <message>
        <source> 倍</source>
        <translation> ×</translation>
    </message>
    <message>
        <source> 桁</source>
        <translation> decades</translation>
    </message>
    <message>
        <source> λ/D</source>
        <translation> λ/D</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source>設計の一辺 N</source>
        <translation>Design side N</translation>
    </message>
    <message>
        <source>拡大率 Q</source>
        <translation>Padding factor Q</translation>
    </message>
    <message>
        <source>表示の桁数</source>
        <translation>Display range</translation>
    </message>
    <message>
        <source>視野</source>
        <translation>Field of view</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>計算しています...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>設計中の瞳は描けません。設計画面で直してください。</source>
        <translation>The designer's pupil cannot be drawn. Correct it in the designer.</translation>
    </message>
    <message>
        <source>設計中の瞳</source>
        <translation>Designer's pupil</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>ピーク比</source>
        <translation>Peak ratio</translation>
    </message>
    <message>
        <source>包囲エネルギー 1.22 λ/D</source>
        <translation>Encircled energy 1.22 λ/D</translation>
    </message>
    <message>
        <source>包囲エネルギー 2.23 λ/D</source>
        <translation>Encircled energy 2.23 λ/D</translation>
    </message>
    <message>
        <source>包囲エネルギー 5 λ/D</source>
        <translation>Encircled energy 5 λ/D</translation>
    </message>
    <message>
        <source>スパイクの光量</source>
        <translation>Spike fraction</translation>
    </message>
    <message>
        <source>ストレール比</source>
        <translation>Strehl ratio</translation>
    </message>
    <message>
        <source>%1 の画像は大きすぎます (一辺 %2 画素まで)。縮小して保存し直してください。</source>
        <translation>The image of %1 is too large (at most %2 pixels a side). Save it smaller.</translation>
    </message>
    <message>
        <source>A と B の画像の大きさが違うため、同じ格子で比べられません。同じ大きさの画像を選んでください。</source>
        <translation>A and B are images of different sizes and cannot be compared on one grid. Choose images of the same size.</translation>
    </message>
    <message>
        <source>A と B の設計の口径が違うため、同じ角度の格子で比べられません。口径をそろえてください。</source>
        <translation>The designs A and B have different apertures and cannot be compared on one angular grid. Give them the same aperture.</translation>
    </message>
    <message>
        <source>格子 (一辺 × Q) が一辺 %1 を超えます。N か Q を小さくしてください。</source>
        <translation>The grid (side × Q) exceeds %1 a side. Reduce N or Q.</translation>
    </message>
    <message>
        <source>口径が範囲外です。設計の口径を直してください。</source>
        <translation>The aperture is out of range. Correct the design's aperture.</translation>
    </message>
    <message>
        <source>%1 の瞳はどこも光を通しません。開口のある瞳を選んでください。</source>
        <translation>The pupil %1 lets no light through. Choose a pupil with an opening.</translation>
    </message>
    <message>
        <source>比較...</source>
        <translation>Compare...</translation>
    </message>
</context>
<context>
    <name>voka::CDesignerDlg</name>
    <message>
        <source>瞳の設計 (*.json);;All files (*.*)</source>
        <translation>Pupil designs (*.json);;All files (*.*)</translation>
    </message>
    <message>
        <source>%1. %2 %3° 幅 %4 mm %5 %6 mm</source>
        <translation>%1. %2 %3°, width %4 mm, %5 %6 mm</translation>
    </message>
    <message>
        <source>直線</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>曲線</source>
        <translation>Curved</translation>
    </message>
    <message>
        <source>オフセット</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>radius</translation>
    </message>
    <message>
        <source>遮蔽なし</source>
        <translation>Clear aperture</translation>
    </message>
    <message>
        <source>3 本スパイダー</source>
        <translation>3-vane spider</translation>
    </message>
    <message>
        <source>4 本スパイダー</source>
        <translation>4-vane spider</translation>
    </message>
    <message>
        <source>4 本スパイダー（接線オフセット）</source>
        <translation>4-vane spider (tangential offset)</translation>
    </message>
    <message>
        <source>2 組の二重スパイダー</source>
        <translation>2 pairs of double vanes</translation>
    </message>
    <message>
        <source>曲線スパイダー 1 本</source>
        <translation>1 curved vane</translation>
    </message>
    <message>
        <source>曲線スパイダー 3 本</source>
        <translation>3 curved vanes</translation>
    </message>
    <message>
        <source>瞳の設計</source>
        <translation>Pupil designer</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>見本</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>口径</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <source>遮蔽の直径</source>
        <translation>Obstruction diameter</translation>
    </message>
    <message>
        <source>遮蔽の位置 x</source>
        <translation>Obstruction offset x</translation>
    </message>
    <message>
        <source>遮蔽の位置 y</source>
        <translation>Obstruction offset y</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>形</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>向き（+x から左回り）</source>
        <translation>Angle (counter-clockwise from +x)</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>オフセット（左へ）</source>
        <translation>Offset (to the left)</translation>
    </message>
    <message>
        <source>半径（+ は左へ曲がる）</source>
        <translation>Radius (+ bends left)</translation>
    </message>
    <message>
        <source>スパイダー</source>
        <translation>Spider vanes</translation>
    </message>
    <message>
        <source>開く...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>設計を保存...</source>
        <translation>Save design...</translation>
    </message>
    <message>
        <source>BMP で保存...</source>
        <translation>Save as BMP...</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>この瞳を使う</source>
        <translation>Use this pupil</translation>
    </message>
</context>
<context>
    <name>voka::CStarImageDlg</name>
    <message>
        <source>星像</source>
        <translation>Star image</translation>
    </message>
    <message>
        <source>瞳がありません。主画面の「ファイル」で瞳の画像を開いてください。</source>
        <translation>No pupil yet. Open a pupil image with &quot;File&quot; in the main window.</translation>
    </message>
    <message>
        <source>包囲エネルギー</source>
        <translation>Encircled energy</translation>
    </message>
    <message>
        <source>半径 (λ/D)</source>
        <translation>Radius (λ/D)</translation>
    </message>
    <message>
        <source>全光量に対する割合</source>
        <translation>Fraction of total flux</translation>
    </message>
    <message>
        <source>空間周波数 (遮断周波数 D/λ = 1)</source>
        <translation>Spatial frequency (cut-off D/λ = 1)</translation>
    </message>
    <message>
        <source>量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>スパイク光量の定義</source>
        <translation>Spike fraction: the pupil amplitude is split into its rotationally symmetric part (the mean over every circle about the centre) and the rest. The rest averages to zero on every circle, so the two parts do not interfere in the total flux: the star image is the light of a perfectly round image plus the light diffracted by the rest. The spike fraction is that second share, the light that spider vanes, a decentred obstruction or any other departure from rotational symmetry send out of the round image. For thin straight vanes it equals the fraction of the aperture area they cover; for a round pupil it is 0.</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source> λ/D</source>
        <translation> λ/D</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source> 画素</source>
        <translation> px</translation>
    </message>
    <message>
        <source> 倍</source>
        <translation> ×</translation>
    </message>
    <message>
        <source> 桁</source>
        <translation> decades</translation>
    </message>
    <message>
        <source>瞳の一辺 N</source>
        <translation>Pupil side N</translation>
    </message>
    <message>
        <source>拡大率 Q</source>
        <translation>Padding factor Q</translation>
    </message>
    <message>
        <source>波長</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>口径</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <source>焦点距離</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>表示の桁数</source>
        <translation>Display range</translation>
    </message>
    <message>
        <source>視野</source>
        <translation>Field of view</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>星像を FITS に保存します (中心から ±%1 λ/D、全光量を 1 とした float64)。</source>
        <translation>Saves the star image as FITS (±%1 λ/D about the centre, float64, total flux 1).</translation>
    </message>
    <message>
        <source>包囲エネルギーと MTF の曲線を CSV に保存します。</source>
        <translation>Saves the encircled-energy and MTF curves as CSV.</translation>
    </message>
    <message>
        <source>表示中の星像を PNG に保存します。</source>
        <translation>Saves the star image as shown as PNG.</translation>
    </message>
    <message>
        <source>画像の瞳は、その大きさで計算します。</source>
        <translation>A pupil image is computed at its own size.</translation>
    </message>
    <message>
        <source>%1 は星像にできません。一辺 %2 画素までの、表示できる形式の BMP 画像を開いてください。</source>
        <translation>%1 cannot be made into a star image. Open a BMP image in a supported form, at most %2 pixels a side.</translation>
    </message>
    <message>
        <source>瞳が空です。瞳を描き直してください。</source>
        <translation>The pupil is empty. Draw the pupil again.</translation>
    </message>
    <message>
        <source>中止しました。表示は前の結果のままです。</source>
        <translation>Cancelled. The previous result is still shown.</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>計算しています...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>N = %1, Q = %2, %3 秒</source>
        <translation>N = %1, Q = %2, %3 s</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>FITS を作れませんでした (%1)。</source>
        <translation>Could not make the FITS file (%1).</translation>
    </message>
    <message>
        <source>星像を FITS に保存</source>
        <translation>Save star image as FITS</translation>
    </message>
    <message>
        <source>曲線を CSV に保存</source>
        <translation>Save curves as CSV</translation>
    </message>
    <message>
        <source>PNG を作れませんでした。もう一度お試しください。</source>
        <translation>Could not make the PNG image. Please try again.</translation>
    </message>
    <message>
        <source>表示を PNG に保存</source>
        <translation>Save view as PNG</translation>
    </message>
</context>
<context>
    <name>voka::CSweepDlg</name>
    <message>
        <source>掃引...</source>
        <translation>Sweep...</translation>
    </message>
    <message>
        <source>掃引</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>パラメーター</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>から</source>
        <translation>From</translation>
    </message>
    <message>
        <source>まで</source>
        <translation>To</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>瞳の一辺 N</source>
        <translation>Pupil side N</translation>
    </message>
    <message>
        <source>拡大率 Q</source>
        <translation>Padding factor Q</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>各点の値を CSV に保存します。</source>
        <translation>Saves each step's numbers as CSV.</translation>
    </message>
    <message>
        <source>点をクリックすると、その点の星像を表示します。</source>
        <translation>Click a point to show that step's star image.</translation>
    </message>
    <message>
        <source>完了しました。点をクリックすると星像を表示します。</source>
        <translation>Done. Click a point to show its star image.</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>掃引の範囲を読めません。パラメーター、範囲、点数を確かめてください。</source>
        <translation>The sweep cannot be read. Check the parameter, the range and the steps.</translation>
    </message>
    <message>
        <source>計算しています...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>値 %1 の瞳はどこも光を通しません。範囲を変えてください。</source>
        <translation>At %1 the pupil lets no light through. Change the range.</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>ピーク比</source>
        <translation>Peak ratio</translation>
    </message>
    <message>
        <source>包囲エネルギー 1.22 λ/D</source>
        <translation>Encircled energy 1.22 λ/D</translation>
    </message>
    <message>
        <source>包囲エネルギー 2.23 λ/D</source>
        <translation>Encircled energy 2.23 λ/D</translation>
    </message>
    <message>
        <source>包囲エネルギー 5 λ/D</source>
        <translation>Encircled energy 5 λ/D</translation>
    </message>
    <message>
        <source>スパイクの光量</source>
        <translation>Spike fraction</translation>
    </message>
    <message>
        <source>星像: %1 = %2</source>
        <translation>Star image: %1 = %2</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>このパラメーターは設計にありません。一覧から選んでください。</source>
        <translation>The design has no such parameter. Choose one from the list.</translation>
    </message>
    <message>
        <source>値 %1 の設計は描けません: %2 範囲を変えてください。</source>
        <translation>At %1 the design cannot be drawn: %2 Change the range.</translation>
    </message>
    <message>
        <source>値 %1 では口径が範囲外です。範囲を変えてください。</source>
        <translation>At %1 the aperture is out of range. Change the range.</translation>
    </message>
    <message>
        <source>格子 (N × Q) が一辺 %1 を超えます。N か Q を小さくしてください。</source>
        <translation>The grid (N × Q) exceeds %1 a side. Reduce N or Q.</translation>
    </message>
</context>
<context>
    <name>voka::CVokaDlg</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(voka) (&amp;A)...</source>
        <translation>&amp;About voka...</translation>
    </message>
    <message>
        <source>設計した瞳</source>
        <translation>Designed pupil</translation>
    </message>
    <message>
        <source>開口率  </source>
        <translation>Aperture ratio </translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>２次元ＦＦＴ画像</source>
        <translation>2-D FFT image</translation>
    </message>
    <message>
        <source>中心強度=</source>
        <translation>Central intensity=</translation>
    </message>
</context>
<context>
    <name>voka::LibraryTexts</name>
    <message>
        <source>ファイル「%1」を開けません。</source>
        <translation>Cannot open the file &quot;%1&quot;. Check that it exists, that you may read it and that no other program is writing it, then choose it again.</translation>
    </message>
    <message>
        <source>ファイル「%1」は短すぎてビットマップではありません。</source>
        <translation>The file &quot;%1&quot; is too short (under 14 bytes) to be a bitmap. Save the pupil image as BMP again and choose it.</translation>
    </message>
    <message>
        <source>ファイル「%1」は BMP 形式ではありません。</source>
        <translation>The file &quot;%1&quot; is not a BMP file (it does not begin with &quot;BM&quot;). Save the pupil image as BMP and choose it again.</translation>
    </message>
    <message>
        <source>ファイル「%1」は途中で切れています。</source>
        <translation>The file &quot;%1&quot; is cut short. Save it again from your image editor, or copy it again, then open it.</translation>
    </message>
    <message>
        <source>ファイル「%1」の圧縮された画素データ（RLE）が壊れています。</source>
        <translation>The compressed pixel data (RLE) of the file &quot;%1&quot; is damaged (it reaches outside the image). Save it again from your image editor as an uncompressed BMP.</translation>
    </message>
    <message>
        <source>ファイル「%1」のビットマップ情報が壊れています。</source>
        <translation>The bitmap header of the file &quot;%1&quot; is damaged (its size or colour count does not match the contents). Save it again as BMP from your image editor.</translation>
    </message>
    <message>
        <source>ファイル「%1」は大きすぎて読み込めません。</source>
        <translation>The file &quot;%1&quot; is too large to read. Scale the image down to about 512 × 512 pixels and save it again.</translation>
    </message>
    <message>
        <source>ファイル「%1」は表示できない BMP 形式です。</source>
        <translation>The file &quot;%1&quot; is a BMP form that cannot be shown (embedded JPEG or PNG, an unusual colour depth). Save it again as a 24-bit or 8-bit BMP.</translation>
    </message>
    <message>
        <source>書き込みが許可されていないか、ほかのプログラムが使用中です</source>
        <translation>writing is not permitted, or another program is using it</translation>
    </message>
    <message>
        <source>書き込みが許可されていません</source>
        <translation>writing is not permitted</translation>
    </message>
    <message>
        <source>読み取り専用のドライブです</source>
        <translation>the drive is read-only</translation>
    </message>
    <message>
        <source>フォルダーが見つかりません</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>同じ名前のフォルダーがあります</source>
        <translation>a folder of that name exists</translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>シンボリックリンクが循環しています</source>
        <translation>symbolic links loop</translation>
    </message>
    <message>
        <source>読み出す側のいないパイプです</source>
        <translation>the pipe has no reader</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>数値が有限ではありません。普通の数値を書いてください。</source>
        <translation>The number is not finite. Enter an ordinary number.</translation>
    </message>
    <message>
        <source>0 より大きい値にしてください。</source>
        <translation>Enter a value greater than 0.</translation>
    </message>
    <message>
        <source>0 以上の値にしてください（0 は遮蔽なし）。</source>
        <translation>Enter a value of 0 or more (0 means no obstruction).</translation>
    </message>
    <message>
        <source>口径（aperture_mm）より小さい値にしてください。</source>
        <translation>Enter a value smaller than the aperture (aperture_mm).</translation>
    </message>
    <message>
        <source>絶対値を口径（aperture_mm）の 1/4 以上にしてください。それより小さい半径の弧は縁まで届きません。</source>
        <translation>Make its absolute value at least a quarter of the aperture (aperture_mm). An arc of smaller radius does not reach the rim.</translation>
    </message>
    <message>
        <source>支持板は %1 本までにしてください。</source>
        <translation>Use at most %1 vanes.</translation>
    </message>
    <message>
        <source>%1 を書き込めませんでした（%2）。書き込みのできるフォルダーで実行してください。</source>
        <translation>Could not write %1 (%2). Run the program in a folder you may write to.</translation>
    </message>
    <message>
        <source>「%1」: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>瞳の画像が開かれていません。
「ファイル」で瞳の画像（.bmp）を開いてから、もう一度押してください。</source>
        <translation>No pupil image is open.
Open a pupil image (.bmp) with &quot;File&quot;, then press the button again.</translation>
    </message>
    <message>
        <source>標本化した瞳に光を通す部分がありません（赤の成分がすべて 0 です）。
開口を白（または赤を含む明るい色）で、細すぎないように描いた画像を開いてください。</source>
        <translation>The sampled pupil lets no light through (every red component is 0).
Open an image that draws the aperture in white (or a bright colour with red in it), not too thin.</translation>
    </message>
    <message>
        <source>
VOKA.TXT の値はすべて nan になりました。</source>
        <translation>
Every value in VOKA.TXT is nan.</translation>
    </message>
</context>
<context>
    <name>voka::MisalignmentPanel</name>
    <message>
        <source>ずれ</source>
        <translation>Misalignment</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>羽根を回す</source>
        <translation>Turn the vane</translation>
    </message>
    <message>
        <source>羽根を横にずらす</source>
        <translation>Shift the vane sideways</translation>
    </message>
    <message>
        <source>スパイダーを中心からずらす</source>
        <translation>Move the spider off centre</translation>
    </message>
    <message>
        <source>羽根の番号 (0 から)</source>
        <translation>Vane number (from 0)</translation>
    </message>
    <message>
        <source>δ</source>
        <translation>δ</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>dx, dy</source>
        <translation>dx, dy</translation>
    </message>
</context>
<context>
    <name>voka::StarImageJob</name>
    <message>
        <source>瞳が光を通しません。遮蔽やスパイダーを小さくするか、明るい部分のある瞳の画像を開いてください。</source>
        <translation>The pupil lets no light through. Make the obstruction or the vanes smaller, or open a pupil image with a bright part.</translation>
    </message>
    <message>
        <source>瞳がありません。</source>
        <translation>No pupil.</translation>
    </message>
    <message>
        <source>瞳の一辺 N は 1 から %1 画素にしてください。</source>
        <translation>Make the pupil side N between 1 and %1 pixels.</translation>
    </message>
    <message>
        <source>この瞳は一辺 %1 画素まで描けます (いまは N = %2)。N を小さくしてください。</source>
        <translation>This pupil can be drawn up to %1 pixels a side (N is now %2). Make N smaller.</translation>
    </message>
    <message>
        <source>N × Q が %1 を超えます (いまは %2 × %3)。N か Q を小さくしてください。</source>
        <translation>N × Q exceeds %1 (now %2 × %3). Make N or Q smaller.</translation>
    </message>
    <message>
        <source>視野は 0 より広くしてください。</source>
        <translation>Make the field of view wider than 0.</translation>
    </message>
    <message>
        <source>瞳を描けませんでした。設計を見直してください。</source>
        <translation>Could not draw the pupil. Check the design.</translation>
    </message>
    <message>
        <source>星像を計算できませんでした。瞳の一辺 N か拡大率 Q を変えてください。</source>
        <translation>Could not compute the star image. Change the pupil side N or the padding factor Q.</translation>
    </message>
    <message>
        <source>拡大像を作れませんでした。視野を変えてください。</source>
        <translation>Could not make the zoomed image. Change the field of view.</translation>
    </message>
    <message>
        <source>星像を計算するメモリが足りません。瞳の一辺 N か拡大率 Q を小さくしてください。</source>
        <translation>Not enough memory to compute the star image. Make the pupil side N or the padding factor Q smaller.</translation>
    </message>
    <message>
        <source>星像を計算するスレッドを起動できませんでした。ほかのプログラムを閉じてから、もう一度計算してください。</source>
        <translation>Could not start a thread to compute the star image. Close other programs and compute again.</translation>
    </message>
</context>
<context>
    <name>voka::psfview</name>
    <message>
        <source>x (秒角)</source>
        <translation>x (arcsec)</translation>
    </message>
    <message>
        <source>y (秒角)</source>
        <translation>y (arcsec)</translation>
    </message>
</context>
</TS>
