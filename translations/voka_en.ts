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
        <translation>Star images of spider vanes</translation>
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
    <name>limits</name>
    <message>
        <source>ピクセル</source>
        <comment>unit</comment>
        <translation>pixels</translation>
    </message>
    <message>
        <source>倍</source>
        <comment>unit</comment>
        <translation>times</translation>
    </message>
    <message>
        <source>nm</source>
        <comment>unit</comment>
        <translation>nm</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>unit</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>λ/D</source>
        <comment>unit</comment>
        <translation>λ/D</translation>
    </message>
    <message>
        <source>桁</source>
        <comment>unit</comment>
        <translation>decades</translation>
    </message>
    <message>
        <source>本</source>
        <comment>unit</comment>
        <translation>vanes</translation>
    </message>
    <message>
        <source>nm RMS</source>
        <comment>unit</comment>
        <translation>nm RMS</translation>
    </message>
    <message>
        <source>波長</source>
        <comment>unit</comment>
        <translation>waves</translation>
    </message>
    <message>
        <source>点</source>
        <comment>unit</comment>
        <translation>points</translation>
    </message>
    <message>
        <source>µm</source>
        <comment>unit</comment>
        <translation>µm</translation>
    </message>
    <message>
        <source>個</source>
        <comment>unit</comment>
        <translation>wavelengths</translation>
    </message>
    <message>
        <source>K</source>
        <comment>unit</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>画素</source>
        <comment>unit</comment>
        <translation>pixels</translation>
    </message>
    <message>
        <source>行</source>
        <comment>unit</comment>
        <translation>rows</translation>
    </message>
    <message>
        <source>瞳の一辺</source>
        <translation>pupil side</translation>
    </message>
    <message>
        <source>計算する格子の一辺</source>
        <translation>side of the computed grid</translation>
    </message>
    <message>
        <source>拡大率</source>
        <translation>padding factor</translation>
    </message>
    <message>
        <source>口径</source>
        <translation>aperture</translation>
    </message>
    <message>
        <source>焦点距離</source>
        <translation>focal length</translation>
    </message>
    <message>
        <source>書き出す星像の半幅</source>
        <translation>half-width of the exported star image</translation>
    </message>
    <message>
        <source>表示の半幅</source>
        <translation>half-width of the view</translation>
    </message>
    <message>
        <source>表示の桁数</source>
        <translation>number of decades shown</translation>
    </message>
    <message>
        <source>拡大表示の一辺</source>
        <translation>side of the zoomed view</translation>
    </message>
    <message>
        <source>支持板の数</source>
        <translation>number of vanes</translation>
    </message>
    <message>
        <source>保存する瞳の一辺</source>
        <translation>side of the saved pupil</translation>
    </message>
    <message>
        <source>解析する瞳の一辺</source>
        <translation>side of the analysed pupil</translation>
    </message>
    <message>
        <source>設計の長さ</source>
        <translation>design length</translation>
    </message>
    <message>
        <source>曲がった支持板の半径</source>
        <translation>radius of a curved vane</translation>
    </message>
    <message>
        <source>Zernike 項の番号</source>
        <translation>Zernike term number</translation>
    </message>
    <message>
        <source>Zernike 係数</source>
        <translation>Zernike coefficient</translation>
    </message>
    <message>
        <source>焦点のずれ</source>
        <translation>focus shift</translation>
    </message>
    <message>
        <source>スターテストの焦点はずし</source>
        <translation>star-test defocus</translation>
    </message>
    <message>
        <source>スイープの点数</source>
        <translation>number of sweep steps</translation>
    </message>
    <message>
        <source>画素の大きさ</source>
        <translation>pixel pitch</translation>
    </message>
    <message>
        <source>波長の数</source>
        <translation>number of wavelengths</translation>
    </message>
    <message>
        <source>色温度</source>
        <translation>colour temperature</translation>
    </message>
    <message>
        <source>視野の画素数</source>
        <translation>field in pixels</translation>
    </message>
    <message>
        <source>細分した格子の一辺</source>
        <translation>side of the sub-sampled grid</translation>
    </message>
    <message>
        <source>画素の細分</source>
        <translation>sub-sampling</translation>
    </message>
    <message>
        <source>露出</source>
        <translation>exposure</translation>
    </message>
    <message>
        <source>表の行数</source>
        <translation>table rows</translation>
    </message>
    <message>
        <source>表の波長</source>
        <translation>table wavelength</translation>
    </message>
    <message>
        <source>描く瞳の一辺</source>
        <translation>side of the drawn pupil</translation>
    </message>
    <message>
        <source>瞳の一辺と拡大率の積</source>
        <translation>pupil side times padding factor</translation>
    </message>
    <message>
        <source>瞳の一辺の何倍の格子で計算するか</source>
        <translation>how many times the pupil side the computed grid spans</translation>
    </message>
    <message>
        <source>表示する星像の半幅</source>
        <translation>half-width of the star image shown</translation>
    </message>
    <message>
        <source>対数表示の桁数</source>
        <translation>decades of the log scale</translation>
    </message>
    <message>
        <source>Zernike 項の番号 (Noll)</source>
        <translation>Zernike term number (Noll)</translation>
    </message>
    <message>
        <source>スターテストの焦点はずし (PV)</source>
        <translation>star-test defocus (peak to valley)</translation>
    </message>
    <message>
        <source>計算する波長の数</source>
        <translation>number of wavelengths computed</translation>
    </message>
    <message>
        <source>黒体の温度</source>
        <translation>blackbody temperature</translation>
    </message>
    <message>
        <source>カメラ像の一辺の画素数</source>
        <translation>side of the camera image in pixels</translation>
    </message>
    <message>
        <source>画素を細分した格子の一辺</source>
        <translation>side of the sub-sampled grid</translation>
    </message>
    <message>
        <source>画素一辺あたりの細分数</source>
        <translation>sub-samples per pixel side</translation>
    </message>
    <message>
        <source>最も明るい画素が飽和の何倍か</source>
        <translation>how many times the brightest pixel exceeds full well</translation>
    </message>
    <message>
        <source>スペクトルと感度の表の行数</source>
        <translation>rows of a spectrum or response table</translation>
    </message>
    <message>
        <source>スペクトルと感度の表の波長</source>
        <translation>wavelength in a spectrum or response table</translation>
    </message>
    <message>
        <source>%1〜%2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1は %2 の数で指定してください（数ではない値は使えません）。</source>
        <translation>The %1 must be a number from %2 (a value that is not a number cannot be used).</translation>
    </message>
    <message>
        <source>%1は %2 の整数で指定してください（%3 は使えません）。</source>
        <translation>The %1 must be a whole number from %2 (%3 cannot be used).</translation>
    </message>
    <message>
        <source>%1は %2 の範囲で指定してください（%3 は使えません）。</source>
        <translation>The %1 must be within %2 (%3 cannot be used).</translation>
    </message>
    <message>
        <source>波長</source>
        <translation>wavelength</translation>
    </message>
</context>
<context>
    <name>voka-batch</name>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>、既定 %1</source>
        <translation>, default %1</translation>
    </message>
    <message>
        <source>、既定は設計の値、なければ %1</source>
        <translation>, default the design&apos;s, else %1</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>設計</source>
        <translation>DESIGN</translation>
    </message>
    <message>
        <source>瞳.bmp</source>
        <translation>PUPIL.bmp</translation>
    </message>
    <message>
        <source>瞳の画像（Windows ビットマップ）。--fft と --raytrace で省略すると、組み込みの見本（25% の中央遮蔽と 4 本のスパイダー）を解析します</source>
        <translation>the pupil image (Windows bitmap). Without it, --fft and --raytrace analyse the built-in sample (a 25% central obstruction and 4 spider vanes)</translation>
    </message>
    <message>
        <source>組み込みの設計: %1</source>
        <translation>built-in designs: %1</translation>
    </message>
    <message>
        <source>使い方: </source>
        <translation>Usage: </translation>
    </message>
    <message>
        <source>瞳の画像を画面なしで解析します。--fft と --raytrace は VOKA.TXT を現在のフォルダーに書きます。</source>
        <translation>Analyses pupil images without a window. --fft and --raytrace write VOKA.TXT into the current folder.</translation>
    </message>
    <message>
        <source>コマンド:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>瞳:</source>
        <translation>Pupil:</translation>
    </message>
    <message>
        <source>出力:</source>
        <translation>Outputs:</translation>
    </message>
    <message>
        <source>そのほか:</source>
        <translation>Other:</translation>
    </message>
    <message>
        <source>スパイク光量の定義</source>
        <translation>Spike fraction: the pupil amplitude is split into its rotationally symmetric part (the mean over every circle about the centre) and the rest. The rest averages to zero on every circle, so the two parts do not interfere in the total flux: the star image is the light of a perfectly round image plus the light diffracted by the rest. The spike fraction is that second share, the light that spider vanes, a decentred obstruction or any other departure from rotational symmetry send out of the round image. For thin straight vanes it equals the fraction of the aperture area they cover; for a round pupil it is 0.</translation>
    </message>
    <message>
        <source>「-」で始まるファイル名は ./-名前 のように書くか、瞳の画像なら -- のあとに置いてください。
書き出すファイルは、すべて書き終えたときだけ置き換わります。既存のファイルは、同じ種類のものだけを置き換えます。

終了コード: 0 成功（光を通さない瞳では、その旨を表示し nan の表を書いて 0）、
           1 画像や設計を読めない・VOKA.TXT や PNG などを書けない・標準出力に書けない、
           2 使い方の誤り（入力や別の種類のファイルを上書きしようとしたときも）
</source>
        <translation>Write a file name that begins with &quot;-&quot; as ./-name, or put a pupil image after --.
Each file written is replaced only once it is complete. An existing file is replaced only by one of its own kind.

Exit status: 0 success (a pupil that lets no light through is reported; the table holds nan),
             1 an image or design unreadable, or an output or standard output not written,
             2 a usage error (also an output that would replace an input or a file of another kind)
</translation>
    </message>
    <message>
        <source>整数</source>
        <translation>whole number</translation>
    </message>
    <message>
        <source>数</source>
        <translation>number</translation>
    </message>
    <message>
        <source>%1 には %2 の%3を指定してください（「%4」は使えません）。</source>
        <translation>%1 takes a %3 from %2 (&quot;%4&quot; cannot be used).</translation>
    </message>
    <message>
        <source>%1 には値が必要です。</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 には値が必要です。「%2」は「-」で始まるので値とみなしません（その名前のファイルなら ./%2 と書いてください）。</source>
        <translation>%1 needs a value. &quot;%2&quot; begins with &quot;-&quot; and is not taken as one (for a file of that name, write ./%2).</translation>
    </message>
    <message>
        <source> か </source>
        <translation> or </translation>
    </message>
    <message>
        <source>%1 のどれか一つを指定してください。</source>
        <translation>Give one of %1.</translation>
    </message>
    <message>
        <source>%1 はどれか一つだけ指定してください。</source>
        <translation>Give only one of %1.</translation>
    </message>
    <message>
        <source>瞳の画像と --design は一緒に指定できません。どちらか一つにしてください。</source>
        <translation>A pupil image and --design cannot be given together. Give one of them.</translation>
    </message>
    <message>
        <source>%1 は瞳の画像をとりません（「%2」）。--design で設計を指定してください。</source>
        <translation>%1 takes no pupil image (&quot;%2&quot;). Name a design with --design.</translation>
    </message>
    <message>
        <source>%1 は %2 と一緒に指定してください。</source>
        <translation>%1 goes with %2.</translation>
    </message>
    <message>
        <source>瞳の画像は一つだけ指定してください。</source>
        <translation>Give only one pupil image.</translation>
    </message>
    <message>
        <source>知らないオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>%1 は一度だけ指定してください。</source>
        <translation>Give %1 only once.</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください（「%1」は使えません）。</source>
        <translation>--lang takes ja or en (&quot;%1&quot; cannot be used).</translation>
    </message>
    <message>
        <source>512x512 に標本化して２次元ＦＦＴ（正弦変換）を計算し、開口率・中心強度などの表示文字列を標準出力に、表を VOKA.TXT に書きます</source>
        <translation>samples the pupil at 512x512, computes its two-dimensional FFT (sine transform), and writes the captions (aperture ratio, central intensity and the rest) to standard output and the table to VOKA.TXT</translation>
    </message>
    <message>
        <source>128x128 の瞳から 64x64 の像点へ回折の総和（レイトレース）を計算し、最大振幅を標準出力に、表を VOKA.TXT に書きます</source>
        <translation>computes the direct diffraction sum (ray trace) from a 128x128 pupil onto 64x64 image points, and writes the maximum amplitude to standard output and the table to VOKA.TXT</translation>
    </message>
    <message>
        <source>瞳から星像（点像分布関数）を計算し、数値を単位つきで標準出力に書きます</source>
        <translation>computes the star image (point spread function) of the pupil and writes its numbers with units to standard output</translation>
    </message>
    <message>
        <source>設計から描いた瞳を BMP で保存します（解析はしません）</source>
        <translation>saves the pupil drawn from the design as a BMP (nothing is analysed)</translation>
    </message>
    <message>
        <source>--zernike には J=NM を「,」で区切って指定してください（J は %1〜%2 の Noll の番号で各項一度だけ、NM は %3〜%4 の RMS の nm）。「%5」は使えません。</source>
        <translation>--zernike takes J=NM separated by commas (J a Noll index from %1 to %2, each term once; NM its RMS in nm from %3 to %4). &quot;%5&quot; cannot be used.</translation>
    </message>
    <message>
        <source>瞳の設計ファイル（JSON）、または preset:名前 で組み込みの設計</source>
        <translation>a pupil design file (JSON), or preset:NAME for a built-in design</translation>
    </message>
    <message>
        <source>Zernike 項を Noll の番号 J と RMS の nm で（設計の同じ項を置き換え、0 で消します）。J=2 が正なら像は +x へ、J=3 が正なら +y へ動きます</source>
        <translation>Zernike terms by Noll index J and RMS in nm (each replaces the design&apos;s term; 0 removes it). A positive J=2 moves the image toward +x, a positive J=3 toward +y</translation>
    </message>
    <message>
        <source>画像を PNG で保存します（--fft と --raytrace ではウィンドウに表示される 410x165 の領域）。PNG でない既存のファイルは上書きしません</source>
        <translation>saves the picture as PNG (for --fft and --raytrace, the 410x165 area the window shows). An existing file that is not a PNG is never replaced</translation>
    </message>
    <message>
        <source>星像を FITS で保存します</source>
        <translation>saves the star image as FITS</translation>
    </message>
    <message>
        <source>星像の曲線を CSV で保存します</source>
        <translation>saves the star image&apos;s curves as CSV</translation>
    </message>
    <message>
        <source>星像の数値と条件を JSON で保存します</source>
        <translation>saves the star image&apos;s numbers and conditions as JSON</translation>
    </message>
    <message>
        <source>メッセージと表示の言語（既定は環境変数 VOKA_LANG、なければ日本語）</source>
        <translation>the language of messages and captions (default: the environment variable VOKA_LANG, else Japanese)</translation>
    </message>
    <message>
        <source>この説明を表示します</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>版を表示します</source>
        <translation>shows the version</translation>
    </message>
    <message>
        <source>瞳=%d ピクセル 拡大率=%d (格子 %d)
λ/D=%.4f 秒角 (焦点で %.3f µm)
画素=%.5f 秒角 (焦点で %.4f µm)
エアリー半径 1.22 λ/D=%.4f 秒角 (焦点で %.3f µm)
ピーク比=%.5f
集中度 1.22 λ/D=%.5f 2.23 λ/D=%.5f 5 λ/D=%.5f
スパイク光量=%.5f
</source>
        <translation>pupil=%d pixels padding=%d (grid %d)
λ/D=%.4f arcsec (%.3f µm at focus)
pixel=%.5f arcsec (%.4f µm at focus)
Airy radius 1.22 λ/D=%.4f arcsec (%.3f µm at focus)
peak ratio=%.5f
encircled energy 1.22 λ/D=%.5f 2.23 λ/D=%.5f 5 λ/D=%.5f
spike fraction=%.5f
</translation>
    </message>
    <message>
        <source>ストレール比=%.5f
波面誤差 RMS=%.3f nm
</source>
        <translation>Strehl ratio=%.5f
wavefront error RMS=%.3f nm
</translation>
    </message>
    <message>
        <source>「%1」の画像を作れませんでした。</source>
        <translation>The picture for &quot;%1&quot; could not be made.</translation>
    </message>
    <message>
        <source>注意: 焦点はずし（PV %1 波長）の星像には %2 λ/D の視野と直径に %3 点の瞳が要りますが、この格子は %4 λ/D、%4 点です。像の外側が折り返して重なります。--size を大きくしてください。</source>
        <translation>Note: a star image defocused by %1 waves peak to valley needs a field of %2 λ/D and %3 pupil samples across the diameter, but this grid has %4 λ/D and %4 samples. The outer image wraps around onto itself. Raise --size.</translation>
    </message>
    <message>
        <source>--size は設計ファイル (--design) にだけ使えます。BMP は自身の大きさで計算します。</source>
        <translation>--size applies only to a design (--design). A BMP is computed at its own size.</translation>
    </message>
    <message>
        <source>星像を計算中</source>
        <translation>Computing the star image</translation>
    </message>
    <message>
        <source>星像を計算するメモリが足りません。--size か --pad を小さくしてください。</source>
        <translation>Not enough memory for the star image. Lower --size or --pad.</translation>
    </message>
    <message>
        <source>--save-pupil には --design で瞳の設計を指定してください。</source>
        <translation>--save-pupil needs a design, named with --design.</translation>
    </message>
    <message>
        <source>ファイル「%1」は大きすぎます (一辺 %2 ピクセルまで)。縮小して保存し直してください。</source>
        <translation>The file &quot;%1&quot; is too large (at most %2 pixels a side). Scale it down and save it again.</translation>
    </message>
    <message>
        <source>ファイル「%1」の瞳はどこも光を通しません (赤の成分がすべて 0)。開口を赤または白で描いた画像を指定してください。</source>
        <translation>The pupil in &quot;%1&quot; lets no light through (its red is 0 everywhere). Give an image with the aperture drawn in red or white.</translation>
    </message>
    <message>
        <source>設計ファイル「%1」を一辺 %2 ピクセルで描けませんでした (一辺 %3 ピクセルまで)。--size を小さくしてください。</source>
        <translation>The design &quot;%1&quot; could not be drawn at %2 pixels a side (at most %3). Lower --size.</translation>
    </message>
    <message>
        <source>設計ファイル「%1」の瞳はどこも光を通しません。開口を設計し直してください。</source>
        <translation>The pupil of the design &quot;%1&quot; lets no light through. Redesign the aperture.</translation>
    </message>
    <message>
        <source>瞳 %1 ピクセルを %2 倍に広げた格子は大きすぎます (一辺 %3 まで)。--pad を小さくするか、小さな瞳を使ってください。</source>
        <translation>A pupil of %1 pixels padded %2 times makes a grid too large (at most %3 a side). Lower --pad or use a smaller pupil.</translation>
    </message>
    <message>
        <source>設計ファイル「%1」: %2--aperture-mm で口径を指定してください。</source>
        <translation>Design &quot;%1&quot;: %2 Give the aperture with --aperture-mm.</translation>
    </message>
    <message>
        <source>解析中</source>
        <translation>Analysing</translation>
    </message>
    <message>
        <source>最大振幅=</source>
        <translation>maximum amplitude=</translation>
    </message>
    <message>
        <source>--size は --psf か --design と一緒に指定してください。</source>
        <translation>--size goes with --psf or --design.</translation>
    </message>
    <message>
        <source>標準出力に書き込めませんでした（出力先のディスクの空きや、パイプの読み手を確かめてください）。</source>
        <translation>Standard output could not be written (check the free space where it goes, or the program reading the pipe).</translation>
    </message>
    <message>
        <source>光学系:</source>
        <translation>Optics:</translation>
    </message>
    <message>
        <source>カメラ（--camera）:</source>
        <translation>Camera (--camera):</translation>
    </message>
    <message>
        <source>--response は --colour camera と一緒に指定してください。</source>
        <translation>--response goes with --colour camera.</translation>
    </message>
    <message>
        <source>表「%1」を読めません（%2 MiB までの CSV ファイルを指定してください）。</source>
        <translation>The table &quot;%1&quot; cannot be read (give a CSV file of at most %2 MiB).</translation>
    </message>
    <message>
        <source>最も明るい画素の光の割合=%s
集中度 1 画素=%.5f 2 画素=%.5f 3 画素=%.5f
スパイク光量=%.5f
標本化 Q=%.3f (550 nm) 細分=%d
</source>
        <translation>brightest pixel&apos;s share of the light=%s
encircled energy 1 px=%.5f 2 px=%.5f 3 px=%.5f
spike fraction=%.5f
sampling Q=%.3f (550 nm) sub-samples=%d
</translation>
    </message>
    <message>
        <source>標本化が粗く、星の芯は一つの画素に入ります。</source>
        <translation>Under-sampled: the core falls in one pixel.</translation>
    </message>
    <message>
        <source>カメラ像を計算中</source>
        <translation>Computing the camera image</translation>
    </message>
    <message>
        <source>カメラ像を計算するメモリが足りません。--field-px か --size を小さくしてください。</source>
        <translation>Not enough memory for the camera image. Lower --field-px or --size.</translation>
    </message>
    <message>
        <source>星をカメラが写すとおりに計算します: 白色光で、センサーの画素に積分し、露出と階調をつけて。数値を標準出力に書きます</source>
        <translation>computes the star as a camera records it: in white light, summed over the sensor&apos;s pixels, exposed and stretched, and writes its numbers to standard output</translation>
    </message>
    <message>
        <source>星の光のスペクトル: 温度 T (K) の黒体、L1〜L2 nm の平らな帯、または「波長 (nm),重み」の CSV。重みはエネルギー（nm あたりの W）で、camera と mono では λ/hc を掛けて光子の数にします。既定は 5800 K の黒体、400〜700 nm</source>
        <translation>the star&apos;s spectrum: a blackbody at T (K), a flat band from L1 to L2 nm, or a CSV of &quot;wavelength (nm),weight&quot;. Weights are energy (W per nm); camera and mono multiply them by λ/hc to count photons. Default: a 5800 K blackbody over 400 to 700 nm</translation>
    </message>
    <message>
        <source>色: visual は CIE 1931 の等色関数から sRGB（既定）、camera は R・G・B の感度（既定は 400〜500・500〜600・600〜700 nm の平らな帯）、mono は一つのチャンネル</source>
        <translation>colour: visual is sRGB from the CIE 1931 colour-matching functions (default), camera is R, G and B responses (default flat bands 400-500, 500-600 and 600-700 nm), mono is one channel</translation>
    </message>
    <message>
        <source>--colour camera の感度の表（波長 (nm),R,G,B の CSV）</source>
        <translation>the responses of --colour camera (a CSV of wavelength (nm),R,G,B)</translation>
    </message>
    <message>
        <source>表示の階調（既定 asinh。asinh は色を保ちます）</source>
        <translation>the display stretch (default asinh, which keeps the star&apos;s colour)</translation>
    </message>
    <message>
        <source>星の中心を画素 (M/2, M/2) の中心から右へ DX、上へ DY 画素ずらします（それぞれ -0.5〜0.5）</source>
        <translation>moves the star DX pixels right and DY up from the centre of pixel (M/2, M/2) (each -0.5 to 0.5)</translation>
    </message>
    <message>
        <source>波面誤差（光路差を nm で、瞳の縁を単位円とする Noll の順の Zernike 項で）:</source>
        <translation>Wavefront error (optical path difference in nm, as Zernike terms in Noll&apos;s order over the unit disk whose rim is the aperture&apos;s):</translation>
    </message>
    <message>
        <source>スペクトルの表</source>
        <translation>spectrum table</translation>
    </message>
    <message>
        <source>感度の表</source>
        <translation>response table</translation>
    </message>
    <message>
        <source>スターテスト: 瞳の波面に −K、0、+K 波長 (PV) の焦点はずしを加えた三つの星像を計算します（K は 4 が古典的）。--fits で三面の FITS、--png で同じ色の目盛りの三つの像</source>
        <translation>the star test: three star images with −K, 0 and +K waves (peak to valley) of defocus added to the pupil&apos;s wavefront (K = 4 is the classic test); --fits writes a cube of three planes, --png the three images on one colour scale</translation>
    </message>
    <message>
        <source>二つの瞳 A と B（設計ファイル、preset:名前、または BMP）を同じ格子と正規化で比べ、各数値の A、B と変化 B − A を標準出力に書きます。--fits は B − A、--png は A、B と変化、--json は {&quot;a&quot;, &quot;b&quot;, &quot;delta&quot;}</source>
        <translation>compares two pupils A and B (design files, preset:NAME or BMPs) on one grid with one normalisation, and writes each number of A and B and its change B − A to standard output; --fits writes B − A, --png A, B and the change, --json {&quot;a&quot;, &quot;b&quot;, &quot;delta&quot;}</translation>
    </message>
    <message>
        <source>設計の一つの数（vanes[1].angle_deg、vanes[*].width_mm、obstruction.offset_x_mm など。vanes[i] はファイルの順に 0 から）を FROM から TO まで STEPS 点（両端を含む）変え、各点の星像の数値を --csv に書きます</source>
        <translation>varies one number of the design (vanes[1].angle_deg, vanes[*].width_mm, obstruction.offset_x_mm and so on; vanes[i] counts from 0 in file order) from FROM to TO in STEPS points, both ends included, and writes each step&apos;s star-image numbers to --csv</translation>
    </message>
    <message>
        <source>A と B は同じ格子で比べます。瞳の一辺 (%1 と %2 ピクセル) と口径 (%3 と %4 mm) をそろえてください（--aperture-mm で両方の口径を指定できます）。</source>
        <translation>A and B are compared on one grid. Give them the same pupil side (%1 and %2 pixels) and aperture (%3 and %4 mm); --aperture-mm sets the aperture of both.</translation>
    </message>
    <message>
        <source>比較を計算中</source>
        <translation>Computing the comparison</translation>
    </message>
    <message>
        <source>瞳の画像</source>
        <translation>pupil image</translation>
    </message>
    <message>
        <source>瞳の設計</source>
        <translation>pupil design</translation>
    </message>
    <message>
        <source>表</source>
        <translation>table</translation>
    </message>
    <message>
        <source>このプログラムの CSV</source>
        <translation>a CSV of this program</translation>
    </message>
    <message>
        <source>このプログラムの JSON</source>
        <translation>a JSON of this program</translation>
    </message>
    <message>
        <source>PNG の印で始まっていません</source>
        <translation>it does not begin with the PNG signature</translation>
    </message>
    <message>
        <source>「SIMPLE  =」で始まっていません</source>
        <translation>it does not begin with &quot;SIMPLE  =&quot;</translation>
    </message>
    <message>
        <source>「BM」で始まっていません</source>
        <translation>it does not begin with &quot;BM&quot;</translation>
    </message>
    <message>
        <source>星像の曲線の見出し行で始まっていません</source>
        <translation>it does not begin with the header of the star image&apos;s curves</translation>
    </message>
    <message>
        <source>掃引の見出し行で始まっていません</source>
        <translation>it does not begin with a sweep&apos;s header</translation>
    </message>
    <message>
        <source>星像の数値を書いた JSON ではありません</source>
        <translation>it is not a JSON of star-image numbers</translation>
    </message>
    <message>
        <source>--star-test には %1 の数（焦点はずしの波長数 PV）を指定してください（「%2」は使えません）。</source>
        <translation>--star-test takes a number from %1 (waves of defocus, peak to valley) (&quot;%2&quot; cannot be used).</translation>
    </message>
    <message>
        <source>%1 には表を書くので、%2 の保存先にはできません。別の名前を指定してください。</source>
        <translation>%1 receives the table, so it cannot be where %2 saves. Give another name.</translation>
    </message>
    <message>
        <source>%1 には %2 で書き出すので、%3 の保存先にはできません。別の名前を指定してください。</source>
        <translation>%1 is written by %2, so it cannot be where %3 saves. Give another name.</translation>
    </message>
    <message>
        <source>%1 は %2 ではないファイルなので、%3 で上書きしません（%4）。別の名前を指定してください。</source>
        <translation>%1 is not %2, so %3 does not replace it (%4). Give another name.</translation>
    </message>
    <message>
        <source>%1 の中身を読めず %2 かどうか確かめられないので、%3 で上書きしません。別の名前を指定してください。</source>
        <translation>The contents of %1 cannot be read to tell whether it is %2, so %3 does not replace it. Give another name.</translation>
    </message>
    <message>
        <source>%1 は読み込む%2なので、%3 の保存先にはできません。別の名前を指定してください。</source>
        <translation>%1 is the %2 being read, so it cannot be where %3 saves. Give another name.</translation>
    </message>
    <message>
        <source>その番号の支持板は設計にありません（vanes[i] はファイルの順に 0 から数えます）。</source>
        <translation>The design has no vane of that number (vanes[i] counts from 0 in file order).</translation>
    </message>
    <message>
        <source>その支持板の形にない数です（offset_mm は直線、radius_mm は曲線の支持板）。</source>
        <translation>That vane&apos;s shape has no such number (offset_mm is for straight vanes, radius_mm for curved ones).</translation>
    </message>
    <message>
        <source>支持板のない設計に vanes[*] は使えません。</source>
        <translation>vanes[*] cannot be used on a design without vanes.</translation>
    </message>
    <message>
        <source>--sweep「%1」: %2</source>
        <translation>--sweep &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>--sweep「%1」: 点数 STEPS には %2 の整数を指定してください。</source>
        <translation>--sweep &quot;%1&quot;: STEPS must be a whole number from %2.</translation>
    </message>
    <message>
        <source>--sweep には &apos;PATH=FROM:TO:STEPS&apos; を指定してください（FROM と TO はその数の値、STEPS は両端を含む点数）。「%1」は使えません。</source>
        <translation>--sweep takes &apos;PATH=FROM:TO:STEPS&apos; (FROM and TO values of the number itself, STEPS the points with both ends included). &quot;%1&quot; cannot be used.</translation>
    </message>
    <message>
        <source>値 %1 の設計は描けません: %2 範囲を変えてください。</source>
        <translation>The design at %1 cannot be drawn: %2 Change the range.</translation>
    </message>
    <message>
        <source>値 %1 では %2</source>
        <translation>At %1: %2</translation>
    </message>
    <message>
        <source>格子 (N × Q) が一辺 %1 を超えます。--size か --pad を小さくしてください。</source>
        <translation>The grid (N × Q) is over %1 a side. Lower --size or --pad.</translation>
    </message>
    <message>
        <source>--sweep: %1</source>
        <translation>--sweep: %1</translation>
    </message>
    <message>
        <source>掃引を計算中</source>
        <translation>Computing the sweep</translation>
    </message>
    <message>
        <source>値 %1 の瞳はどこも光を通しません。範囲を変えてください。</source>
        <translation>The pupil at %1 lets no light through. Change the range.</translation>
    </message>
    <message>
        <source>%1 点を計算しました。</source>
        <translation>%1 steps computed.</translation>
    </message>
    <message>
        <source>--sweep には --design で設計を、--csv で書き出すファイルを指定してください。</source>
        <translation>--sweep needs a design (--design) and a file to write (--csv).</translation>
    </message>
    <message>
        <source>掃引を計算するメモリが足りません。--size か --pad を小さくしてください。</source>
        <translation>Not enough memory for the sweep. Lower --size or --pad.</translation>
    </message>
    <message>
        <source>設計にその数はありません（例: vanes[0].angle_deg、vanes[*].width_mm、obstruction.offset_x_mm）。</source>
        <translation>The design has no such number (for example vanes[0].angle_deg, vanes[*].width_mm, obstruction.offset_x_mm).</translation>
    </message>
    <message>
        <source>%+.2f 波長 (PV): 中心=%.6g
</source>
        <translation>%+.2f waves (PV): centre=%.6g
</translation>
    </message>
    <message>
        <source>スターテストを計算中</source>
        <translation>Computing the star test</translation>
    </message>
    <message>
        <source>%1 には瞳の画像か --design で瞳の設計を指定してください。</source>
        <translation>%1 needs a pupil image, or a design with --design.</translation>
    </message>
    <message>
        <source>計算するスレッドを起動できませんでした。ほかのプログラムを閉じてから、もう一度実行してください。</source>
        <translation>The threads for the computation could not be started. Close other programs and run again.</translation>
    </message>
    <message>
        <source>カメラ像の比較を計算中</source>
        <translation>Computing the camera images to compare</translation>
    </message>
    <message>
        <source>%1 は %2 %3 では使えません。</source>
        <translation>%1 cannot be used with %2 %3.</translation>
    </message>
    <message>
        <source>--camera を添えると、A と B のカメラ像を同じカメラの設定で作り、一つの階調で比べます。各数値（最も明るい画素の光の割合はチャンネルごと）の A、B と変化 B − A を標準出力に書きます。--fits は B − A のカメラ像（チャンネルごとの面）、--png は A、B と変化、--json は {&quot;a&quot;, &quot;b&quot;, &quot;delta&quot;}</source>
        <translation>with --camera, makes the camera images of A and B with one set of camera settings, compares them on one stretch, and writes each number of A and B (the brightest-pixel fraction per channel among them) and its change B − A to standard output; --fits writes B − A of the camera images (a plane per channel), --png A, B and the change, --json {&quot;a&quot;, &quot;b&quot;, &quot;delta&quot;}</translation>
    </message>
</context>
<context>
    <name>voka::CCameraViewDlg</name>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>カメラ像</source>
        <translation>Camera image</translation>
    </message>
    <message>
        <source>瞳がありません。設計画面の「カメラ像」で開いてください。</source>
        <translation>No pupil yet. Open this window with &quot;Camera image&quot; in the pupil designer.</translation>
    </message>
    <message>
        <source>望遠鏡とカメラ</source>
        <translation>Telescope and camera</translation>
    </message>
    <message>
        <source> µm</source>
        <translation> µm</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> 画素</source>
        <translation> px</translation>
    </message>
    <message>
        <source>画素の大きさ</source>
        <translation>Pixel pitch</translation>
    </message>
    <message>
        <source>焦点距離</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>口径</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <source>視野</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>波長の数</source>
        <translation>Wavelengths</translation>
    </message>
    <message>
        <source>星の光と色</source>
        <translation>Starlight and colour</translation>
    </message>
    <message>
        <source>露出と表示</source>
        <translation>Exposure and display</translation>
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
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>黒体</source>
        <translation>Blackbody</translation>
    </message>
    <message>
        <source>平坦な帯域</source>
        <translation>Flat band</translation>
    </message>
    <message>
        <source>CSV ファイル</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>スペクトルはエネルギーの単位 (nm あたりの W) で与えます。カメラとモノクロは光子数 (λ/hc 倍) で数え、目で見た色はエネルギーのまま色を合わせます。</source>
        <translation>Spectra are given in energy units (W per nm). The camera and mono modes count photons (times λ/hc); the visual mode matches colours on the energy itself.</translation>
    </message>
    <message>
        <source> K</source>
        <translation> K</translation>
    </message>
    <message>
        <source> nm</source>
        <translation> nm</translation>
    </message>
    <message>
        <source>スペクトルの CSV...</source>
        <translation>Spectrum CSV...</translation>
    </message>
    <message>
        <source>スペクトル</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>色温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>帯域</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>目で見た色</source>
        <translation>Visual</translation>
    </message>
    <message>
        <source>カメラ</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>モノクロ</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>感度の CSV...</source>
        <translation>Response CSV...</translation>
    </message>
    <message>
        <source>波長 (nm), R, G, B の 4 列の表。選ばなければ青 400-500、緑 500-600、赤 600-700 nm の平坦な 3 帯域です。</source>
        <translation>A table of four columns: wavelength (nm), R, G, B. Without one, three flat bands: blue 400-500, green 500-600, red 600-700 nm.</translation>
    </message>
    <message>
        <source>平坦な 3 帯域</source>
        <translation>Three flat bands</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>最も明るい画素が飽和の何倍の光を受けるか</source>
        <translation>How many times full well the brightest pixel receives</translation>
    </message>
    <message>
        <source>線形</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>対数</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>asinh は 3 色を同じ倍率で伸ばすので、星の色が保たれます。</source>
        <translation>asinh stretches the three channels by one factor, so the star keeps its colour.</translation>
    </message>
    <message>
        <source>露出</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source>表示の伸長</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>飽和した画素</source>
        <translation>Saturated pixels</translation>
    </message>
    <message>
        <source>表示中のカメラ像を 8 ビット sRGB の PNG に保存します。</source>
        <translation>Saves the camera image as shown as an 8-bit sRGB PNG.</translation>
    </message>
    <message>
        <source>クリップ前の線形な光量を、チャンネルごとの面の FITS に保存します。</source>
        <translation>Saves the linear light before clipping as a FITS cube, one plane per channel.</translation>
    </message>
    <message>
        <source>数値を JSON に保存します。</source>
        <translation>Saves the numbers as JSON.</translation>
    </message>
    <message>
        <source>スペクトルの CSV を開く</source>
        <translation>Open spectrum CSV</translation>
    </message>
    <message>
        <source>感度の CSV を開く</source>
        <translation>Open response CSV</translation>
    </message>
    <message>
        <source>帯域の短波長端を長波長端より短くしてください。</source>
        <translation>Make the band&apos;s short end shorter than its long end.</translation>
    </message>
    <message>
        <source>スペクトルの CSV ファイルを選んでください。</source>
        <translation>Choose a spectrum CSV file.</translation>
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
        <source>瞳 %1 画素、%2 波長、%3 秒</source>
        <translation>Pupil %1 px, %2 wavelengths, %3 s</translation>
    </message>
    <message>
        <source>最も明るい画素の光量 (%1)</source>
        <translation>Brightest pixel (%1)</translation>
    </message>
    <message>
        <source>半径 1 画素内の光量</source>
        <translation>Encircled energy within 1 px</translation>
    </message>
    <message>
        <source>半径 2 画素内の光量</source>
        <translation>Encircled energy within 2 px</translation>
    </message>
    <message>
        <source>半径 3 画素内の光量</source>
        <translation>Encircled energy within 3 px</translation>
    </message>
    <message>
        <source>スパイク光量</source>
        <translation>Spike fraction</translation>
    </message>
    <message>
        <source>サンプリング Q = λF/(pD) (%1 nm)</source>
        <translation>Sampling Q = λF/(pD) (%1 nm)</translation>
    </message>
    <message>
        <source>画素の細分</source>
        <translation>Sub-samples per pixel</translation>
    </message>
    <message>
        <source>%1 × %1 点</source>
        <translation>%1 × %1</translation>
    </message>
    <message>
        <source>アンダーサンプリング: 星の芯が 1 画素に収まります</source>
        <translation>under-sampled: the core falls in one pixel</translation>
    </message>
    <message>
        <source>%1 に保存しています...</source>
        <translation>Saving to %1...</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>カメラ像を PNG に保存</source>
        <translation>Save camera image as PNG</translation>
    </message>
    <message>
        <source>PNG を作れませんでした。もう一度お試しください。</source>
        <translation>Could not make the PNG image. Please try again.</translation>
    </message>
    <message>
        <source>カメラ像を FITS に保存</source>
        <translation>Save camera image as FITS</translation>
    </message>
    <message>
        <source>FITS を作れませんでした (%1)。</source>
        <translation>Could not make the FITS file (%1).</translation>
    </message>
    <message>
        <source>数値を JSON に保存</source>
        <translation>Save numbers as JSON</translation>
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
        <translation>%1: Designer&apos;s pupil</translation>
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
        <translation>The designer&apos;s pupil cannot be drawn. Correct it in the designer.</translation>
    </message>
    <message>
        <source>設計中の瞳</source>
        <translation>Designer&apos;s pupil</translation>
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
        <translation>The aperture is out of range. Correct the design&apos;s aperture.</translation>
    </message>
    <message>
        <source>%1 の瞳はどこも光を通しません。開口のある瞳を選んでください。</source>
        <translation>The pupil %1 lets no light through. Choose a pupil with an opening.</translation>
    </message>
    <message>
        <source>比較...</source>
        <translation>Compare...</translation>
    </message>
    <message>
        <source>カメラ像で比べる</source>
        <translation>Compare camera images</translation>
    </message>
    <message>
        <source>カメラ像のウィンドウが開いていればその設定で、なければ既定の設定で、A と B のカメラ像を一つの階調で比べます</source>
        <translation>Compares the camera images of A and B on one stretch, made with the settings of the camera-image window when it is open, else with the defaults</translation>
    </message>
    <message>
        <source>%1 のカメラ像: %2</source>
        <translation>Camera image of %1: %2</translation>
    </message>
    <message>
        <source>最も明るい画素の光量 (%1)</source>
        <translation>Brightest pixel (%1)</translation>
    </message>
    <message>
        <source>半径 1 画素内の光量</source>
        <translation>Encircled energy within 1 px</translation>
    </message>
    <message>
        <source>半径 2 画素内の光量</source>
        <translation>Encircled energy within 2 px</translation>
    </message>
    <message>
        <source>半径 3 画素内の光量</source>
        <translation>Encircled energy within 3 px</translation>
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
    <message>
        <source>FITS を作れませんでした。もう一度お試しください。</source>
        <translation>Could not make the FITS file. Please try again.</translation>
    </message>
    <message>
        <source>曲線</source>
        <translation>Curves</translation>
    </message>
    <message>
        <source>スターテスト</source>
        <translation>Star test</translation>
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
        <translation>Saves each step&apos;s numbers as CSV.</translation>
    </message>
    <message>
        <source>点をクリックすると、その点の星像を表示します。</source>
        <translation>Click a point to show that step&apos;s star image.</translation>
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
        <translation>Aperture ratio</translation>
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
    <message>
        <source>カメラ像...</source>
        <translation>Camera image...</translation>
    </message>
</context>
<context>
    <name>voka::CameraJob</name>
    <message>
        <source>%1 行目: </source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>テキストの CSV ではありません。波長 (nm) と値をカンマで区切って書いてください。</source>
        <translation>This is not a text CSV file. Write the wavelength (nm) and the values separated by commas.</translation>
    </message>
    <message>
        <source>項目の数が合いません。スペクトルは「波長,重み」、感度は「波長,R,G,B」です。</source>
        <translation>Wrong number of fields. A spectrum is &quot;wavelength,weight&quot;, a response &quot;wavelength,R,G,B&quot;.</translation>
    </message>
    <message>
        <source>数値として読めない項目があります。</source>
        <translation>A field cannot be read as a number.</translation>
    </message>
    <message>
        <source>波長は %1 から %2 nm にしてください。</source>
        <translation>Keep wavelengths between %1 and %2 nm.</translation>
    </message>
    <message>
        <source>波長は上から順に増えるように並べてください。</source>
        <translation>List the wavelengths in increasing order from the top.</translation>
    </message>
    <message>
        <source>重みと感度は 0 以上にしてください。</source>
        <translation>Weights and responses must be 0 or more.</translation>
    </message>
    <message>
        <source>数値の行が 2 行以上必要です。</source>
        <translation>At least two rows of numbers are needed.</translation>
    </message>
    <message>
        <source>行が多すぎます (%1 行まで)。</source>
        <translation>Too many rows (at most %1).</translation>
    </message>
    <message>
        <source>「%1」を開けません。ファイルを選び直してください。</source>
        <translation>Cannot open &quot;%1&quot;. Choose the file again.</translation>
    </message>
    <message>
        <source>「%1」は大きすぎます。波長と値の表を選んでください。</source>
        <translation>&quot;%1&quot; is too large. Choose a table of wavelengths and values.</translation>
    </message>
    <message>
        <source>スペクトル「%1」: %2</source>
        <translation>Spectrum &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>感度「%1」: %2</source>
        <translation>Response &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>瞳が光を通しません。遮蔽やスパイダーを小さくしてください。</source>
        <translation>The pupil lets no light through. Make the obstruction or the vanes smaller.</translation>
    </message>
    <message>
        <source>画素の大きさ、焦点距離、口径と視野を見直してください。</source>
        <translation>Check the pixel pitch, focal length, aperture and field.</translation>
    </message>
    <message>
        <source>帯域に光がありません。スペクトルを見直してください。</source>
        <translation>There is no light in the band. Check the spectrum.</translation>
    </message>
    <message>
        <source>画素が粗すぎて細分できません。画素を小さくするか焦点距離を長くしてください。</source>
        <translation>The pixels are too coarse to sub-sample. Use smaller pixels or a longer focal length.</translation>
    </message>
    <message>
        <source>細分した格子が大きすぎます。視野の画素数を減らすか、画素を小さくするか焦点距離を短くしてください。</source>
        <translation>The sub-sampled grid is too large. Use fewer pixels across the field, smaller pixels or a shorter focal length.</translation>
    </message>
    <message>
        <source>瞳を描けませんでした。設計を見直してください。</source>
        <translation>Could not draw the pupil. Check the design.</translation>
    </message>
    <message>
        <source>瞳の画像が大きすぎます (一辺 %1 画素まで)。小さい画像を開いてください。</source>
        <translation>The pupil image is too large (at most %1 pixels a side). Open a smaller image.</translation>
    </message>
    <message>
        <source>カメラ像を計算するメモリが足りません。視野の画素数か波長の数を減らしてください。</source>
        <translation>Not enough memory for the camera image. Use fewer pixels across the field or fewer wavelengths.</translation>
    </message>
    <message>
        <source>カメラ像を計算するスレッドを起動できませんでした。ほかのプログラムを閉じてから、もう一度計算してください。</source>
        <translation>Could not start a thread for the camera image. Close other programs and compute again.</translation>
    </message>
</context>
<context>
    <name>voka::DefocusWarning</name>
    <message>
        <source>焦点はずし %1 波長 (PV) の星像は、瞳の一辺 N = %2 の格子に収まりません (視野にも瞳の標本にも %3 画素が要ります)。瞳の一辺 N を %3 以上にしてください。</source>
        <translation>The image of %1 waves PV of defocus does not fit a grid with pupil side N = %2 (both the field and the pupil sampling need %3 pixels). Raise the pupil side N to %3 or more.</translation>
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
    <message>
        <source>JSON として読めません（%1 バイト目: %2）。テキストエディターで直すか、設計画面で保存し直してください。</source>
        <translation>Cannot be read as JSON (at byte %1: %2). Correct it in a text editor, or save the design again from the pupil designer.</translation>
    </message>
    <message>
        <source>{ } で囲んだ JSON の設計ではありません。</source>
        <translation>is not a design: a design is a JSON object in { }.</translation>
    </message>
    <message>
        <source>ありません。瞳の設計ファイルではないようです。</source>
        <translation>is missing. This does not look like a pupil design file.</translation>
    </message>
    <message>
        <source>1 か 2 ではありません。この版で読める設計ファイルは 1 と 2 です。</source>
        <translation>is neither 1 nor 2. This version reads design files of versions 1 and 2.</translation>
    </message>
    <message>
        <source>知らない項目です。綴りを確かめるか、取り除いてください。</source>
        <translation>is not a known entry. Check its spelling, or remove it.</translation>
    </message>
    <message>
        <source>ありません。書き加えてください。</source>
        <translation>is missing. Add it.</translation>
    </message>
    <message>
        <source>数値にしてください。</source>
        <translation>Enter a number.</translation>
    </message>
    <message>
        <source>{ } で囲んだ項目の集まりにしてください。</source>
        <translation>Make it a set of entries in { }.</translation>
    </message>
    <message>
        <source>[ ] で囲んだ並びにしてください（支持板なしは []）。</source>
        <translation>Make it a list in [ ] (no vanes: []).</translation>
    </message>
    <message>
        <source>ありません。&quot;straight&quot; か &quot;curved&quot; を書き加えてください。</source>
        <translation>is missing. Add &quot;straight&quot; or &quot;curved&quot;.</translation>
    </message>
    <message>
        <source>文字列 &quot;straight&quot; か &quot;curved&quot; にしてください。</source>
        <translation>Make it the text &quot;straight&quot; or &quot;curved&quot;.</translation>
    </message>
    <message>
        <source>&quot;straight&quot;（直線）か &quot;curved&quot;（曲線）にしてください。</source>
        <translation>Make it &quot;straight&quot; or &quot;curved&quot;.</translation>
    </message>
    <message>
        <source>Zernike 項の番号 (Noll) は &quot;1&quot; から &quot;%1&quot; の文字列にしてください。</source>
        <translation>Write the Zernike term&apos;s (Noll) index as text from &quot;1&quot; to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Zernike 項の番号 (Noll) は 1 から %1 にしてください。</source>
        <translation>Use Zernike (Noll) indices from 1 to %1.</translation>
    </message>
    <message>
        <source>±%1 nm の範囲にしてください。</source>
        <translation>Keep it within ±%1 nm.</translation>
    </message>
    <message>
        <source>±%1 mm の範囲にしてください。</source>
        <translation>Keep it within ±%1 mm.</translation>
    </message>
    <message>
        <source> (空)</source>
        <translation> (sky)</translation>
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
        <source>瞳の一辺 N</source>
        <translation>Pupil side N</translation>
    </message>
    <message>
        <source>拡大率 Q</source>
        <translation>Padding factor Q</translation>
    </message>
    <message>
        <source>格子の一辺 N × Q</source>
        <translation>Grid side N × Q</translation>
    </message>
    <message>
        <source>λ/D (空)</source>
        <translation>λ/D (sky)</translation>
    </message>
    <message>
        <source>λ/D (焦点)</source>
        <translation>λ/D (focus)</translation>
    </message>
    <message>
        <source>画素スケール (空)</source>
        <translation>Pixel scale (sky)</translation>
    </message>
    <message>
        <source>画素スケール (焦点)</source>
        <translation>Pixel scale (focus)</translation>
    </message>
    <message>
        <source>エアリー半径 1.22 λ/D (空)</source>
        <translation>Airy radius 1.22 λ/D (sky)</translation>
    </message>
    <message>
        <source>エアリー半径 1.22 λ/D (焦点)</source>
        <translation>Airy radius 1.22 λ/D (focus)</translation>
    </message>
    <message>
        <source>ピーク比 (無遮蔽開口比)</source>
        <translation>Peak ratio (to a clear aperture)</translation>
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
        <source>波面誤差 RMS</source>
        <translation>Wavefront error RMS</translation>
    </message>
    <message>
        <source>画素</source>
        <translation>px</translation>
    </message>
    <message>
        <source>倍</source>
        <translation>×</translation>
    </message>
    <message>
        <source>秒角</source>
        <translation>arcsec</translation>
    </message>
    <message>
        <source>秒角/画素</source>
        <translation>arcsec/px</translation>
    </message>
    <message>
        <source>µm/画素</source>
        <translation>µm/px</translation>
    </message>
    <message>
        <source>設計ファイル「%1」は大きすぎます（1 MB まで）。瞳の設計ファイルを選んでください。</source>
        <translation>The design file &quot;%1&quot; is too large (at most 1 MB). Choose a pupil design file.</translation>
    </message>
    <message>
        <source>設計ファイル「%1」を開けません。ファイルがあること、読み取りが許可されていることを確かめてください。</source>
        <translation>Cannot open the design file &quot;%1&quot;. Check that it exists and that you may read it.</translation>
    </message>
    <message>
        <source>その名前の瞳の設計はありません。使える名前: %1</source>
        <translation>There is no pupil design of that name. Names: %1</translation>
    </message>
    <message>
        <source>設計ファイル「%1」は %2</source>
        <translation>The design file &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>設計ファイル「%1」の「%2」: %3</source>
        <translation>The design file &quot;%1&quot;, &quot;%2&quot;: %3</translation>
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
    <name>voka::StarImagePresentation</name>
    <message>
        <source>この瞳</source>
        <translation>This pupil</translation>
    </message>
    <message>
        <source>無遮蔽開口 (理論)</source>
        <translation>Clear aperture (theory)</translation>
    </message>
    <message>
        <source>スパイダー沿い %1°</source>
        <translation>Along a vane, %1°</translation>
    </message>
    <message>
        <source>%1° 方向</source>
        <translation>At %1°</translation>
    </message>
    <message>
        <source>スパイダー間 %1°</source>
        <translation>Between vanes, %1°</translation>
    </message>
    <message>
        <source>無遮蔽開口</source>
        <translation>Clear aperture</translation>
    </message>
    <message>
        <source>全方向の平均</source>
        <translation>Mean of all directions</translation>
    </message>
    <message>
        <source>MTF (遮断周波数 D/λ = %1 本/mm = %2 周期/秒角)</source>
        <translation>MTF (cut-off D/λ = %1 lp/mm = %2 cycles/arcsec)</translation>
    </message>
    <message>
        <source>計算時間</source>
        <translation>Computing time</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>voka::StarTestPanel</name>
    <message>
        <source>瞳を描けませんでした。設計を見直してください。</source>
        <translation>The pupil could not be drawn. Check the design.</translation>
    </message>
    <message>
        <source>スターテストを計算できませんでした。瞳の一辺 N か拡大率 Q を変えてください。</source>
        <translation>The star test could not be computed. Change the pupil side N or the padding factor Q.</translation>
    </message>
    <message>
        <source>スターテストを計算するメモリが足りません。瞳の一辺 N か拡大率 Q を小さくしてください。</source>
        <translation>Not enough memory for the star test. Reduce the pupil side N or the padding factor Q.</translation>
    </message>
    <message>
        <source>スターテストを計算するスレッドを起動できませんでした。ほかのプログラムを閉じてから、もう一度計算してください。</source>
        <translation>No thread could be started for the star test. Close other programs and try again.</translation>
    </message>
    <message>
        <source> 波長 (PV)</source>
        <translation> waves PV</translation>
    </message>
    <message>
        <source>焦点はずし ±</source>
        <translation>Defocus ±</translation>
    </message>
    <message>
        <source>計算しています...</source>
        <translation>Computing...</translation>
    </message>
    <message>
        <source>計算しています... %1%</source>
        <translation>Computing... %1%</translation>
    </message>
    <message>
        <source>N = %1, Q = %2, 同じ色の尺度</source>
        <translation>N = %1, Q = %2, one colour scale</translation>
    </message>
    <message>
        <source>焦点はずし −%1 波長</source>
        <translation>Defocus −%1 waves</translation>
    </message>
    <message>
        <source>焦点</source>
        <translation>In focus</translation>
    </message>
    <message>
        <source>焦点はずし +%1 波長</source>
        <translation>Defocus +%1 waves</translation>
    </message>
</context>
<context>
    <name>voka::WavefrontPanel</name>
    <message>
        <source>波面の誤差 (nm RMS)</source>
        <translation>Wavefront error (nm RMS)</translation>
    </message>
    <message>
        <source>焦点はずれ</source>
        <translation>Defocus</translation>
    </message>
    <message>
        <source>非点収差 0°</source>
        <translation>Astigmatism 0°</translation>
    </message>
    <message>
        <source>非点収差 45°</source>
        <translation>Astigmatism 45°</translation>
    </message>
    <message>
        <source>コマ収差 x</source>
        <translation>Coma x</translation>
    </message>
    <message>
        <source>コマ収差 y</source>
        <translation>Coma y</translation>
    </message>
    <message>
        <source>三つ葉収差 1</source>
        <translation>Trefoil 1</translation>
    </message>
    <message>
        <source>三つ葉収差 2</source>
        <translation>Trefoil 2</translation>
    </message>
    <message>
        <source>球面収差</source>
        <translation>Spherical</translation>
    </message>
    <message>
        <source>遮蔽とスパイダーを除いた開口での波面の標準偏差 (傾きを含む)。遮蔽があると各項の二乗和の平方根とは異なります。</source>
        <translation>Standard deviation of the wavefront over the open pupil, without the obstruction and the vanes (tilt included). With an obstruction it differs from the root sum of squares of the terms.</translation>
    </message>
    <message>
        <source> nm</source>
        <translation> nm</translation>
    </message>
    <message>
        <source>%1 (j = %2)</source>
        <translation>%1 (j = %2)</translation>
    </message>
    <message>
        <source>開口での波面 RMS: %1 nm (%2 波長)</source>
        <translation>Wavefront RMS over the open pupil: %1 nm (%2 waves)</translation>
    </message>
    <message>
        <source>Strehl 比: %1 (%2 nm で)</source>
        <translation>Strehl ratio: %1 (at %2 nm)</translation>
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
