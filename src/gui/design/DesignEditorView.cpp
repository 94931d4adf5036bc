#include "design/DesignEditorView.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "Painting.h"
#include "design/DesignFonts.h"
#include "design/DesignSample.h"
#include "design/FontCatalogue.h"
#include "design/MenuDesign.h"
#include "i18n/Language.h"
#include "util/Fs.h"
#include "util/ProjectFiles.h"

namespace qv::gui {

namespace {

constexpr const char* kSection = "MD";
constexpr const char* kSizeSection = "L_MD";

// The window's texts in layout order, E1 onwards; the English stands in
// where a language file lacks a key.
constexpr const char* kEnglish[] = {
    "&Background", "B&oxes", "B&uttons", "&Fonts", "&Sounds", "&Appearance", "F&ile",               // 1-7
    "Color gradient", "Start color:", "End color:", "Use Gradient", "Picture", "Load Picture...",   // 8-13
    "Use Picture", "Clear Picture", "Tile mode:", "Center", "None", "Stretch", "Tile", "No picture",  // 14-21
    "Category box", "Box and item color:", "Text color:", "Picture:", "Font:", "Files box",          // 22-27
    "Details box", "None", "Background picture (if selected)", "Button picture (if selected)",     // 28-31
    "A font file provides this face; it goes with the design.",                                    // 32
    "No font file provides this face; the menu will show another font.",                           // 33
    "Fill", "Transparent", "Border and shadow", "Style:", "Inset", "Normal", "Offset", "Effect:",  // 34-41
    "Shadow", "3D", "Shadow color:", "Shadow depth:", "Border color:", "Border width:", "Text",     // 42-48
    "Effect light color:", "Effect shadow color:", "Text effect:", "None", "Raised", "Sunken",     // 49-54
    "Shadow", "Raised shadow", "Sunken shadow", "Size:", "Default", "Bold", "Category text",        // 55-61
    "File text", "Details text", "Sound:", "Menu start", "Standard sound", "Button sound",          // 62-67
    "Copy complete", "Unzip complete", "Open...", "Play", "Stop", "Clear", "No sound",              // 68-74
    "Menu language", "Language:", "Letter case:", "Lower case", "As written", "Upper case",         // 75-80
    "Splash picture", "Show...", "Frame color:", "Frame width:", "Delay (seconds):", "Menu icon",  // 81-86
    "Load Icon...", "Clear Icon", "Without an icon of its own, the menu shows the Quenvar icon.",  // 87-89
    "Design file", "New", "Load...", "Save", "Save As...",                                         // 90-94
    "New starts from the standard design. Save never overwrites the standard design: it asks for a new name.",  // 95
    "OK", "Cancel", "Help", "Info", "Sample",                                                      // 96-100
    "Click the sample button for the full preview in the menu program.",                          // 101
};
constexpr int kTextCount = static_cast<int>(std::size(kEnglish));

// Key numbers the code refers to by meaning.
enum Key : int {
    kPageBackground = 1, kGradientGroup = 8, kStartColour, kEndColour, kUseGradient, kPictureGroup, kLoadPicture,
    kUsePicture, kClearPicture, kTileModeLabel, kCenter, kTileNone, kStretch, kTile, kNoPicture, kCategoryBox,
    kBoxColour, kTextColour, kPictureLabel, kFontLabel, kFilesBox, kDetailsBox, kBoxNone, kBoxBackground, kBoxButton,
    kFontFound, kFontMissing, kFillGroup, kTransparent, kBorderGroup, kStyleLabel, kInset, kNormal, kOffset,
    kEffectLabel, kShadow, kThreeD, kShadowColour, kShadowDepth, kBorderColour, kBorderWidth, kTextGroup,
    kLightColour, kEffectShadowColour, kTextEffectLabel, kEffectNone, kRaised, kSunken, kEffectShadow,
    kRaisedShadow, kSunkenShadow, kSizeLabel, kDefaultSize, kBold, kCategoryText, kFileText, kDetailsText,
    kSoundLabel, kSound1, kSound2, kSound3, kSound4, kSound5, kOpen, kPlay, kStop, kClear, kNoSound,
    kLanguageGroup, kLanguageLabel, kLetterCaseLabel, kLower, kAsWritten, kUpper, kSplashGroup, kShowSplash,
    kFrameColour, kFrameWidth, kDelay, kIconGroup, kLoadIcon, kClearIcon, kIconNote, kFileGroup, kNew, kLoad,
    kSave, kSaveAs, kFileNote, kOk, kCancel, kHelp, kInfo, kSampleGroup, kSampleHint,
};
static_assert(kSampleHint == kTextCount, "every key has its English text");

QString qstr(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QIcon swatch(ColourValue colour)
{
    QPixmap pixmap(40, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(pixmap.rect().adjusted(0, 0, -1, -1), rnv::toQColor(colour));
    p.setPen(QColor(90, 90, 90));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

constexpr std::array<int, 5> kButtonSizes{7, 8, 9, 10, 11};
constexpr std::array<int, 6> kTextSizes{7, 8, 9, 10, 11, 12};

template <std::size_t N>
int indexOf(const std::array<int, N>& values, int value)
{
    const auto it = std::find(values.begin(), values.end(), value);
    return it == values.end() ? -1 : static_cast<int>(it - values.begin());
}

int boxPictureOf(const DesignSettings& s, std::size_t box)
{
    const int v = box == 0 ? s.categoryBoxPicture : box == 1 ? s.fileBoxPicture : s.detailsBoxPicture;
    return v >= kBoxPictureNone && v <= kBoxPictureButton ? v : -1;
}

}  // namespace

DesignEditorView::DesignEditorView(DesignEditor& editor, const Language& language, std::filesystem::path baseDir,
                                   QWidget* parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_language(&language)
    , m_baseDir(std::move(baseDir))
{
    setObjectName(QStringLiteral("DesignEditor"));
    m_faces = m_editor.design().fonts().catalogue().faces();

    m_pages = new QTabWidget(this);
    m_pages->addTab(backgroundPage(), QString());
    m_pages->addTab(boxPage(), QString());
    m_pages->addTab(buttonPage(), QString());
    m_pages->addTab(fontPage(), QString());
    m_pages->addTab(soundPage(), QString());
    m_pages->addTab(appearancePage(), QString());
    m_pages->addTab(filePage(), QString());
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (!m_refreshing)
            m_editor.setPage(static_cast<DesignPage>(page));
    });

    QGroupBox* sampleBox = group(kSampleGroup);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    m_sample = new DesignSample(m_editor, m_baseDir, sampleBox);
    connect(m_sample, &DesignSample::fullPreviewRequested, this, [this] { run([this] { m_editor.fullPreviewClick(); }); });
    sampleLayout->addWidget(m_sample, 1);
    m_sampleHint = label(kSampleHint);
    m_sampleHint->setWordWrap(true);
    sampleLayout->addWidget(m_sampleHint);

    m_ok = button(kOk, [this] { m_editor.okClick(); });
    m_ok->setDefault(true);
    m_cancel = button(kCancel, [this] { m_editor.cancelClick(); });
    QPushButton* help = button(kHelp, [this] { m_editor.helpClick(); });
    QPushButton* info = button(kInfo, [this] { m_editor.infoClick(); });
    m_closing = {info, help, m_ok, m_cancel};
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* body = new QHBoxLayout;
    body->addWidget(m_pages, 3);
    body->addWidget(sampleBox, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    retranslate(language);
    refresh();
}

// ---- building blocks ----

QString DesignEditorView::text(int key) const
{
    const std::string s = m_language->windowText(kSection, "E" + std::to_string(key));
    return s.empty() ? QString::fromUtf8(kEnglish[key - 1]) : qstr(s);
}

QLabel* DesignEditorView::label(int key)
{
    auto* l = new QLabel(this);
    m_texts.emplace_back(l, key);
    return l;
}

QPushButton* DesignEditorView::button(int key, std::function<void()> command)
{
    auto* b = new QPushButton(this);
    m_texts.emplace_back(b, key);
    connect(b, &QPushButton::clicked, this, [this, command = std::move(command)] { run(command); });
    return b;
}

QGroupBox* DesignEditorView::group(int key)
{
    auto* g = new QGroupBox(this);
    m_texts.emplace_back(g, key);
    return g;
}

QComboBox* DesignEditorView::choice(std::vector<int> keys, std::function<void(int)> changed,
                                    std::vector<std::string> literals)
{
    auto* c = new QComboBox(this);
    std::size_t literal = 0;
    for (const int key : keys)
        c->addItem(key == 0 ? qstr(literals.at(literal++)) : QString());
    m_choiceTexts.emplace_back(c, std::move(keys));
    connect(c, &QComboBox::activated, this, [this, changed = std::move(changed)](int index) {
        run([&changed, index] { changed(index); });
    });
    return c;
}

QToolButton* DesignEditorView::colour(ColourSetting setting)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QStringLiteral("colour%1").arg(static_cast<int>(setting)));
    b->setIconSize(QSize(40, 16));
    b->setAutoRaise(false);
    connect(b, &QToolButton::clicked, this, [this, setting] { run([this, setting] { m_editor.colourClick(setting); }); });
    m_colours[static_cast<std::size_t>(setting)] = b;
    return b;
}

QComboBox* DesignEditorView::fontChooser(DesignFont font, QWidget*& row)
{
    const auto i = static_cast<std::size_t>(font);
    auto* c = new QComboBox(this);
    c->setObjectName(QStringLiteral("font%1").arg(static_cast<int>(font)));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(14);
    for (const auto& face : m_faces)
        c->addItem(qstr(face));
    connect(c, &QComboBox::textActivated, this, [this, font](const QString& face) {
        m_fontJustChosen = static_cast<int>(font);
        run([this, font, face] { m_editor.fontChange(font, face.toStdString()); });
    });
    auto* mark = new QLabel(this);
    mark->setFixedWidth(18);
    mark->setAlignment(Qt::AlignCenter);
    m_fonts[i] = c;
    m_fontMarks[i] = mark;
    row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(c, 1);
    h->addWidget(mark);
    return c;
}

QSpinBox* DesignEditorView::spin(int maximum, std::function<void(int)> changed)
{
    auto* s = new QSpinBox(this);
    s->setRange(0, maximum);
    connect(s, &QSpinBox::valueChanged, this, [this, changed = std::move(changed)](int value) {
        if (!m_refreshing)
            run([&changed, value] { changed(value); });
    });
    return s;
}

QCheckBox* DesignEditorView::check(int key, std::function<void(bool)> changed)
{
    auto* c = new QCheckBox(this);
    m_texts.emplace_back(c, key);
    connect(c, &QCheckBox::clicked, this, [this, changed = std::move(changed)](bool on) {
        run([&changed, on] { changed(on); });
    });
    return c;
}

QLabel* DesignEditorView::thumbnail()
{
    auto* l = new QLabel(this);
    l->setFixedSize(120, 80);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setWordWrap(true);
    return l;
}

// ---- pages ----

QWidget* DesignEditorView::backgroundPage()
{
    auto* page = new QWidget(this);
    QGroupBox* gradient = group(kGradientGroup);
    auto* gf = new QFormLayout(gradient);
    gf->addRow(label(kStartColour), colour(ColourSetting::bm_sc));
    gf->addRow(label(kEndColour), colour(ColourSetting::bm_ec));
    m_bgBand = button(kUseGradient, [this] { m_editor.bgSetBandModeClick(); });
    m_bgBand->setCheckable(true);
    gf->addRow(m_bgBand);

    QGroupBox* picture = group(kPictureGroup);
    auto* pg = new QGridLayout(picture);
    m_bgPicture = thumbnail();
    pg->addWidget(m_bgPicture, 0, 0, 3, 1);
    pg->addWidget(button(kLoadPicture, [this] { m_editor.bgLoadBitmapClick(); }), 0, 1);
    m_bgBitmap = button(kUsePicture, [this] { m_editor.bgSetBitmapModeClick(); });
    m_bgBitmap->setCheckable(true);
    pg->addWidget(m_bgBitmap, 1, 1);
    pg->addWidget(button(kClearPicture, [this] { m_editor.bgClearBitmapClick(); }), 2, 1);
    auto* tile = new QFormLayout;
    m_tileMode = choice({kCenter, kTileNone, kStretch, kTile},
                        [this](int i) { m_editor.tileModeChange(static_cast<TileMode>(i)); });
    m_tileMode->setObjectName(QStringLiteral("tileMode"));
    tile->addRow(label(kTileModeLabel), m_tileMode);
    pg->addLayout(tile, 3, 0, 1, 2);

    auto* v = new QVBoxLayout(page);
    v->addWidget(gradient);
    v->addWidget(picture);
    v->addStretch(1);
    return page;
}

QWidget* DesignEditorView::boxPage()
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    const std::array<int, 3> groups{kCategoryBox, kFilesBox, kDetailsBox};
    const std::array<MenuText, 3> boxes{MenuText::Category, MenuText::File, MenuText::Details};
    for (std::size_t b = 0; b < 3; ++b) {
        QGroupBox* g = group(groups[b]);
        auto* f = new QFormLayout(g);
        const ColourSetting colours[3][2] = {{ColourSetting::cbi_c, ColourSetting::cbf_c},
                                             {ColourSetting::fbi_c, ColourSetting::fbf_c},
                                             {ColourSetting::dbi_c, ColourSetting::dbi_c}};
        f->addRow(label(kBoxColour), colour(colours[b][0]));
        if (b < 2)
            f->addRow(label(kTextColour), colour(colours[b][1]));
        const MenuText box = boxes[b];
        m_boxPictures[b] = choice({kBoxNone, kBoxBackground, kBoxButton},
                                  [this, box](int i) { m_editor.boxBitmapChange(box, i); });
        m_boxPictures[b]->setObjectName(QStringLiteral("boxPicture%1").arg(b));
        f->addRow(label(kPictureLabel), m_boxPictures[b]);
        if (b < 2) {
            QWidget* row = nullptr;
            fontChooser(b == 0 ? DesignFont::CategoryBox : DesignFont::FileBox, row);
            f->addRow(label(kFontLabel), row);
        }
        v->addWidget(g);
    }
    v->addStretch(1);
    return page;
}

QWidget* DesignEditorView::buttonPage()
{
    auto* page = new QWidget(this);
    QGroupBox* fill = group(kFillGroup);
    auto* ff = new QGridLayout(fill);
    auto* colours = new QFormLayout;
    colours->addRow(label(kStartColour), colour(ColourSetting::btn_bm_s));
    colours->addRow(label(kEndColour), colour(ColourSetting::btn_bm_e));
    ff->addLayout(colours, 0, 0);
    m_btnBand = button(kUseGradient, [this] { m_editor.btnSetBandModeClick(); });
    m_btnBand->setCheckable(true);
    m_btnTransparent = button(kTransparent, [this] { m_editor.btnSetTransparentModeClick(); });
    m_btnTransparent->setCheckable(true);
    auto* modes = new QVBoxLayout;
    modes->addWidget(m_btnBand);
    modes->addWidget(m_btnTransparent);
    modes->addStretch(1);
    ff->addLayout(modes, 1, 0);
    m_btnPicture = thumbnail();
    ff->addWidget(m_btnPicture, 0, 1, 2, 1);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(button(kLoadPicture, [this] { m_editor.btnLoadBitmapClick(); }));
    m_btnBitmap = button(kUsePicture, [this] { m_editor.btnSetBitmapModeClick(); });
    m_btnBitmap->setCheckable(true);
    pictures->addWidget(m_btnBitmap);
    pictures->addWidget(button(kClearPicture, [this] { m_editor.btnClearBitmapClick(); }));
    pictures->addStretch(1);
    ff->addLayout(pictures, 0, 2, 2, 1);

    QGroupBox* border = group(kBorderGroup);
    auto* bf = new QGridLayout(border);
    auto* left = new QFormLayout;
    m_btnStyle = choice({kInset, kNormal, kOffset}, [this](int i) { m_editor.btnStyleChange(static_cast<ButtonStyle>(i)); });
    left->addRow(label(kStyleLabel), m_btnStyle);
    m_btnEffect = choice({kShadow, kThreeD}, [this](int i) { m_editor.btnEffectChange(static_cast<ButtonEffect>(i)); });
    left->addRow(label(kEffectLabel), m_btnEffect);
    left->addRow(label(kBorderColour), colour(ColourSetting::btnborderc));
    auto* right = new QFormLayout;
    right->addRow(label(kShadowColour), colour(ColourSetting::btnshadowcolor));
    m_btnShadowDepth = spin(DesignSettings::kMaxShadowDepth, [this](int v) { m_editor.btnShadowDepthChange(v); });
    m_btnShadowDepth->setObjectName(QStringLiteral("shadowDepth"));
    right->addRow(label(kShadowDepth), m_btnShadowDepth);
    m_btnBorderWidth = spin(DesignSettings::kMaxBorderWidth, [this](int v) { m_editor.btnBorderWidthChange(v); });
    right->addRow(label(kBorderWidth), m_btnBorderWidth);
    bf->addLayout(left, 0, 0);
    bf->addLayout(right, 0, 1);

    QGroupBox* textBox = group(kTextGroup);
    auto* tf = new QGridLayout(textBox);
    auto* tl = new QFormLayout;
    QWidget* fontRow = nullptr;
    fontChooser(DesignFont::Button, fontRow);
    tl->addRow(label(kFontLabel), fontRow);
    m_btnSize = choice({0, 0, 0, kDefaultSize, 0}, [this](int i) { m_editor.btnFontSizeChange(i); }, {"-3", "-2", "-1", "+1"});
    tl->addRow(label(kSizeLabel), m_btnSize);
    m_btnBold = check(kBold, [this](bool on) { m_editor.btnBoldChange(on); });
    m_btnBold->setObjectName(QStringLiteral("buttonBold"));
    tl->addRow(QString(), m_btnBold);
    auto* tr = new QFormLayout;
    tr->addRow(label(kTextColour), colour(ColourSetting::btn_fc));
    m_btnTextEffect = choice({kEffectNone, kRaised, kSunken, kEffectShadow, kRaisedShadow, kSunkenShadow},
                             [this](int i) { m_editor.btnFontStyleChange(static_cast<TextEffect>(i)); });
    tr->addRow(label(kTextEffectLabel), m_btnTextEffect);
    tr->addRow(label(kLightColour), colour(ColourSetting::btnstyle_lc));
    tr->addRow(label(kEffectShadowColour), colour(ColourSetting::btnstyle_sc));
    tf->addLayout(tl, 0, 0);
    tf->addLayout(tr, 0, 1);

    auto* v = new QVBoxLayout(page);
    v->addWidget(fill);
    v->addWidget(border);
    v->addWidget(textBox);
    v->addStretch(1);
    return page;
}

QWidget* DesignEditorView::fontPage()
{
    auto* page = new QWidget(this);
    auto* v = new QVBoxLayout(page);
    const std::array<int, 3> groups{kCategoryText, kFileText, kDetailsText};
    const std::array<MenuText, 3> texts{MenuText::Category, MenuText::File, MenuText::Details};
    const std::array<DesignFont, 3> fonts{DesignFont::CategoryText, DesignFont::FileText, DesignFont::DetailsText};
    const ColourSetting colours[3][3] = {{ColourSetting::c_fc, ColourSetting::c_flc, ColourSetting::c_fsc},
                                         {ColourSetting::f_fc, ColourSetting::f_flc, ColourSetting::f_fsc},
                                         {ColourSetting::d_fc, ColourSetting::d_flc, ColourSetting::d_fsc}};
    for (std::size_t t = 0; t < 3; ++t) {
        const MenuText which = texts[t];
        QGroupBox* g = group(groups[t]);
        auto* grid = new QGridLayout(g);
        auto* left = new QFormLayout;
        QWidget* fontRow = nullptr;
        fontChooser(fonts[t], fontRow);
        left->addRow(label(kFontLabel), fontRow);
        m_textSizes[t] = choice({0, 0, 0, kDefaultSize, 0, 0}, [this, which](int i) { m_editor.textSizeChange(which, i); },
                                {"-3", "-2", "-1", "+1", "+2"});
        left->addRow(label(kSizeLabel), m_textSizes[t]);
        m_textBold[t] = check(kBold, [this, which](bool on) { m_editor.textBoldChange(which, on); });
        left->addRow(QString(), m_textBold[t]);
        auto* right = new QFormLayout;
        right->addRow(label(kTextColour), colour(colours[t][0]));
        m_textEffects[t] = choice({kEffectNone, kRaised, kSunken, kEffectShadow, kRaisedShadow, kSunkenShadow},
                                  [this, which](int i) { m_editor.textStyleChange(which, static_cast<TextEffect>(i)); });
        right->addRow(label(kTextEffectLabel), m_textEffects[t]);
        right->addRow(label(kLightColour), colour(colours[t][1]));
        right->addRow(label(kEffectShadowColour), colour(colours[t][2]));
        grid->addLayout(left, 0, 0);
        grid->addLayout(right, 0, 1);
        v->addWidget(g);
    }
    v->addStretch(1);
    return page;
}

QWidget* DesignEditorView::soundPage()
{
    auto* page = new QWidget(this);
    // All five slots at once, each with its file, so the person sees which
    // sounds the design has without stepping through them.
    m_soundSlots = new QListWidget(this);
    m_soundSlots->setObjectName(QStringLiteral("soundSlots"));
    for (int n = 0; n < MenuDesign::kSoundCount; ++n)
        m_soundSlots->addItem(QString());
    m_soundSlots->setMaximumHeight(m_soundSlots->sizeHintForRow(0) * MenuDesign::kSoundCount + 8);
    connect(m_soundSlots, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_refreshing && row >= 0)
            run([this, row] { m_editor.soundSlotChange(row); });
    });
    m_soundFile = new QLabel(this);
    m_soundFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_soundFile->setWordWrap(true);
    auto* f = new QVBoxLayout;
    f->addWidget(label(kSoundLabel));
    f->addWidget(m_soundSlots);
    f->addWidget(m_soundFile);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(kOpen, [this] { m_editor.soundOpenClick(); }));
    m_play = button(kPlay, [this] { m_editor.soundPlayClick(); });
    m_stop = button(kStop, [this] { m_editor.soundStopClick(); });
    buttons->addWidget(m_play);
    buttons->addWidget(m_stop);
    buttons->addWidget(button(kClear, [this] { m_editor.soundClearClick(); }));
    buttons->addStretch(1);
    auto* v = new QVBoxLayout(page);
    v->addLayout(f);
    v->addLayout(buttons);
    v->addStretch(1);
    return page;
}

QWidget* DesignEditorView::appearancePage()
{
    auto* page = new QWidget(this);
    QGroupBox* language = group(kLanguageGroup);
    auto* lf = new QFormLayout(language);
    m_menuLanguage = new QComboBox(this);
    for (int n = 0; n < 4; ++n)
        m_menuLanguage->addItem(QString());
    connect(m_menuLanguage, &QComboBox::activated, this,
            [this](int i) { run([this, i] { m_editor.languageChange(i); }); });
    lf->addRow(label(kLanguageLabel), m_menuLanguage);
    m_letterCase = choice({kLower, kAsWritten, kUpper}, [this](int i) { m_editor.letterCaseChange(i); });
    lf->addRow(label(kLetterCaseLabel), m_letterCase);

    QGroupBox* splash = group(kSplashGroup);
    auto* sg = new QGridLayout(splash);
    m_splashPicture = thumbnail();
    sg->addWidget(m_splashPicture, 0, 0, 3, 1);
    sg->addWidget(button(kLoadPicture, [this] { m_editor.splashLoadClick(); }), 0, 1);
    m_splashClear = button(kClearPicture, [this] { m_editor.splashClearClick(); });
    sg->addWidget(m_splashClear, 1, 1);
    m_splashPreview = button(kShowSplash, [this] { m_editor.splashPreviewClick(); });
    sg->addWidget(m_splashPreview, 2, 1);
    auto* sf = new QFormLayout;
    sf->addRow(label(kFrameColour), colour(ColourSetting::splash_frc));
    m_frameWidth = spin(DesignSettings::kMaxFrameWidth, [this](int v) { m_editor.frameWidthChange(v); });
    sf->addRow(label(kFrameWidth), m_frameWidth);
    m_delay = spin(DesignSettings::kMaxDelaySeconds, [this](int v) { m_editor.delayChange(v); });
    sf->addRow(label(kDelay), m_delay);
    sg->addLayout(sf, 0, 2, 3, 1);

    QGroupBox* icon = group(kIconGroup);
    auto* ig = new QGridLayout(icon);
    m_icon = new QToolButton(this);
    m_icon->setIconSize(QSize(48, 48));
    m_icon->setFixedSize(60, 60);
    connect(m_icon, &QToolButton::clicked, this, [this] { run([this] { m_editor.iconLoadClick(); }); });
    ig->addWidget(m_icon, 0, 0, 2, 1);
    ig->addWidget(button(kLoadIcon, [this] { m_editor.iconLoadClick(); }), 0, 1);
    m_iconClear = button(kClearIcon, [this] { m_editor.iconClearClick(); });
    ig->addWidget(m_iconClear, 1, 1);
    QLabel* note = label(kIconNote);
    note->setWordWrap(true);
    ig->addWidget(note, 0, 2, 2, 1);
    ig->setColumnStretch(2, 1);

    auto* v = new QVBoxLayout(page);
    v->addWidget(language);
    v->addWidget(splash);
    v->addWidget(icon);
    v->addStretch(1);
    return page;
}

QWidget* DesignEditorView::filePage()
{
    auto* page = new QWidget(this);
    QGroupBox* file = group(kFileGroup);
    auto* v = new QVBoxLayout(file);
    m_designFile = new QLabel(this);
    m_designFile->setWordWrap(true);
    m_designFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    v->addWidget(m_designFile);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button(kNew, [this] { m_editor.newClick(); }));
    buttons->addWidget(button(kLoad, [this] { m_editor.loadClick(); }));
    buttons->addWidget(button(kSave, [this] { m_editor.saveClick(); }));
    buttons->addWidget(button(kSaveAs, [this] { m_editor.saveAsClick(); }));
    buttons->addStretch(1);
    v->addLayout(buttons);
    QLabel* note = label(kFileNote);
    note->setWordWrap(true);
    v->addWidget(note);
    auto* outer = new QVBoxLayout(page);
    outer->addWidget(file);
    outer->addStretch(1);
    return page;
}

// ---- texts ----

void DesignEditorView::retranslate(const Language& language)
{
    m_language = &language;
    for (int p = 0; p < m_pages->count(); ++p)
        m_pages->setTabText(p, text(kPageBackground + p));
    for (const auto& [widget, key] : m_texts) {
        const QString t = text(key);
        if (auto* l = qobject_cast<QLabel*>(widget))
            l->setText(t);
        else if (auto* b = qobject_cast<QAbstractButton*>(widget))
            b->setText(t);
        else if (auto* g = qobject_cast<QGroupBox*>(widget))
            g->setTitle(t);
        // A size of 0 keeps the toolkit's own.
        const int size = language.fontSize(kSizeSection, "L" + std::to_string(key));
        if (size > 0) {
            QFont f = widget->font();
            f.setPointSize(size);
            widget->setFont(f);
        }
    }
    for (const auto& [combo, keys] : m_choiceTexts) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] != 0)
                combo->setItemText(static_cast<int>(i), text(keys[i]));
        }
    }
    // The four language names are the main window's.
    for (int n = 0; n < 4; ++n)
        m_menuLanguage->setItemText(n, qstr(language.windowText("Main", "E" + std::to_string(168 + n))));
    // Some styles fit a button tightly to its text; these keep some air.
    for (QPushButton* b : m_closing) {
        QString t = b->text();
        t.remove(QLatin1Char('&'));
        b->setMinimumWidth(std::max(80, b->fontMetrics().horizontalAdvance(t) + 28));
    }
    refresh();
}

// ---- state ----

void DesignEditorView::setChoice(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void DesignEditorView::showThumbnail(QLabel* target, const std::filesystem::path& picture, int emptyKey)
{
    const QImage image = picture.empty() ? QImage() : rnv::loadPicture(picture);
    if (image.isNull()) {
        target->setPixmap(QPixmap());
        target->setText(text(emptyKey));
        target->setToolTip(QString());
        return;
    }
    target->setText(QString());
    target->setPixmap(QPixmap::fromImage(image.scaled(target->size() - QSize(6, 6), Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation)));
    target->setToolTip(qstr(pathText(picture)));
}

void DesignEditorView::showFonts()
{
    const DesignSettings& s = m_editor.design().settings();
    for (int f = 0; f < kDesignFontCount; ++f) {
        const auto i = static_cast<std::size_t>(f);
        QComboBox* c = m_fonts[i];
        const bool resolves = m_editor.fontResolves(static_cast<DesignFont>(f));
        // The design's own fonts are no installed fonts: they join the list.
        const QString face = qstr(s.fontFaces[i]);
        if (!face.isEmpty() && c->findText(face) < 0)
            c->addItem(face);
        if (resolves || m_fontJustChosen != f)
            c->setCurrentIndex(face.isEmpty() ? -1 : c->findText(face));
        QLabel* mark = m_fontMarks[i];
        mark->setText(QStringLiteral("\u25CF"));
        mark->setStyleSheet(resolves ? QStringLiteral("color: #1a9a2a;") : QStringLiteral("color: #d0201a;"));
        mark->setToolTip(text(resolves ? kFontFound : kFontMissing));
        mark->setProperty("resolves", resolves);
    }
}

void DesignEditorView::refresh()
{
    m_refreshing = true;
    const MenuDesign& design = m_editor.design();
    const DesignSettings& s = design.settings();
    const ProjectFiles& files = design.data();
    setWindowTitle(qstr(m_editor.caption()));

    for (int c = 0; c < kColourSettingCount; ++c) {
        if (QToolButton* b = m_colours[static_cast<std::size_t>(c)])
            b->setIcon(swatch(m_editor.colour(static_cast<ColourSetting>(c))));
    }

    m_bgBand->setChecked(s.designMode == kFillBand);
    m_bgBitmap->setChecked(s.designMode == kFillBitmap);
    showThumbnail(m_bgPicture, m_editor.backgroundLoaded() ? files.BMP_File.fullPath() : std::filesystem::path(),
                  kNoPicture);
    setChoice(m_tileMode, static_cast<int>(s.tileMode));
    for (std::size_t b = 0; b < 3; ++b)
        setChoice(m_boxPictures[b], boxPictureOf(s, b));

    m_btnBand->setChecked(s.buttonMode == kFillBand);
    m_btnBitmap->setChecked(s.buttonMode == kFillBitmap);
    m_btnTransparent->setChecked(s.buttonMode == kFillTransparent);
    showThumbnail(m_btnPicture, m_editor.buttonLoaded() ? files.Button_file.fullPath() : std::filesystem::path(),
                  kNoPicture);
    setChoice(m_btnStyle, static_cast<int>(s.buttonStyle));
    setChoice(m_btnEffect, static_cast<int>(s.buttonEffect));
    setChoice(m_btnTextEffect, static_cast<int>(s.buttonTextEffect));
    setChoice(m_btnSize, indexOf(kButtonSizes, s.buttonSize));
    m_btnBold->setChecked(s.buttonBold);
    m_btnShadowDepth->setValue(s.buttonShadowDepth);
    m_btnBorderWidth->setValue(s.buttonBorderWidth);

    for (std::size_t t = 0; t < 3; ++t) {
        const TextLook& look = s.texts[t];
        setChoice(m_textEffects[t], static_cast<int>(look.effect));
        setChoice(m_textSizes[t], indexOf(kTextSizes, look.size));
        m_textBold[t]->setChecked(look.bold);
    }
    showFonts();

    for (int n = 0; n < MenuDesign::kSoundCount; ++n) {
        const FileReference& slot = files.sound(n + 1);
        m_soundSlots->item(n)->setText(text(kSound1 + n) + QStringLiteral(":  ")
                                       + (slot.empty() ? text(kNoSound) : qstr(pathText(slot.fullPath().filename()))));
    }
    m_soundSlots->setCurrentRow(m_editor.soundSlot());
    const FileReference& sound = files.sound(m_editor.soundSlot() + 1);
    m_soundFile->setText(sound.empty() ? text(kNoSound) : qstr(pathText(sound.fullPath())));
    m_play->setEnabled(m_editor.playAvailable());
    m_stop->setEnabled(m_editor.playAvailable());

    setChoice(m_menuLanguage, s.language);
    setChoice(m_letterCase, s.letterCase);
    showThumbnail(m_splashPicture, m_editor.splashSet() ? files.Splash_File.fullPath() : std::filesystem::path(),
                  kNoPicture);
    m_splashClear->setEnabled(m_editor.splashSet());
    m_splashPreview->setEnabled(m_editor.splashSet());
    m_frameWidth->setValue(s.splashFrameWidth);
    m_delay->setValue(s.splashDelaySeconds);
    const QImage icon = rnv::loadPicture(m_editor.shownIcon());
    m_icon->setIcon(icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon)));
    m_icon->setToolTip(qstr(pathText(m_editor.shownIcon())));
    m_iconClear->setEnabled(m_editor.iconSet());

    const FileReference& designFile = files.menudesign_file;
    m_designFile->setText(designFile.empty() ? QString() : qstr(pathText(designFile.fullPath())));
    m_pages->setCurrentIndex(static_cast<int>(m_editor.page()));

    m_sample->refresh();
    m_refreshing = false;
}

// ---- commands ----

void DesignEditorView::run(const std::function<void()>& command)
{
    if (m_refreshing)
        return;
    command();
    if (!m_editor.isOpen()) {
        QDialog::done(m_editor.result() == ModalResult::Ok ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    refresh();
    m_fontJustChosen = -1;
}

void DesignEditorView::reject()
{
    // Escape and the close box work like Cancel: the design file of the
    // opening is current again.
    if (m_editor.isOpen())
        m_editor.cancelClick();
    QDialog::done(QDialog::Rejected);
}

}  // namespace qv::gui
