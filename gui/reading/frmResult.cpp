// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/reading/frmResult.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <span>

#include "core/common/BirthRecord.h"
#include "core/reading/RashiFields.h"
#include "core/support/ProductText.h"
#include "core/support/WebLinks.h"
#include "gui/reading/CrossCheckLabel.h"
#include "gui/reading/BirthStarPage.h"
#include "gui/reading/SignStayPanel.h"
#include "gui/reading/StayLabel.h"
#include "gui/report/frmSave.h"
#include "gui/support/Services.h"
#include "gui/support/WebPages.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/SharpPicture.h"
#include "gui/widgets/WindowFont.h"
#include "platform/Platform.h"

namespace orvanta {

// One caption and the locked box that shows one field; the caption and tool
// tip are the field's (RashiFields). A box with a load caption gets it, with
// the rashi's name, as its caption when the window loads.
struct ResultFieldBox {
    const char* Label;
    const char* Box;
    std::string_view RashiCatalogueRow::*Value;
    bool MultiLine = false;
    const char* LoadCaption = nullptr;  // "… for %1", the rashi's name in place of %1
};

namespace {

using R = RashiCatalogueRow;

constexpr ResultFieldBox kHeadline[] = {
    {"Label2", "txtRullingPlanet", &R::RulingPlanet},
    {"Label4", "txtEnglishName", &R::EnglishName},
    {"Label3", "txtInbornNature", &R::Element},
    {"Label5", "txtSymbol", &R::Symbol},
    {"Label6", "txtSignColor", &R::SignColor},
};

constexpr ResultFieldBox kSignCharacteristics[] = {
    {"Label7", "txtTypeOfSign", &R::TypeOfSign},
    {"Label8", "txtGender", &R::Gender},
    {"Label9", "txtBarren", &R::Fertility},
    {"Label10", "txtSignCaste", &R::SignCaste},
    {"Label11", "txtSignPosition", &R::SignPosition},
    {"Label12", "txtConstituentCharacter", &R::ConstituentCharacter},
    {"Label13", "txtPartOfTheBody", &R::PartOfTheBody},
};

constexpr ResultFieldBox kPhysiqueAndLooks[] = {
    {"Label14", "txtPhysique", &R::Physique},
    {"Label15", "txtLooks", &R::Looks, true},
};

constexpr ResultFieldBox kHumanNature[] = {
    {"Label16", "txtNature", &R::Nature, true},
};

constexpr ResultFieldBox kCareerAndFinance[] = {
    {"Label17", "txtCareerAndFinance", &R::CareerAndFinance, true},
};

constexpr ResultFieldBox kLoveAndCompatibility[] = {
    {"Label18", "txtLoveAndDomesticLife", &R::LoveAndDomesticLife, true},
    {"Label19", "txtCompatibleWith", &R::CompatibleWith},
    {"Label20", "txtNotCompatibleWith", &R::NotCompatibleWith},
};

constexpr ResultFieldBox kHealth[] = {
    {"Label21", "txtHealth", &R::Health, true},
};

constexpr ResultFieldBox kLucky[] = {
    //: Captions of the lucky page: %1 the rashi's name.
    {"lblLuckyDays", "txtLuckyDays", &R::LuckyDays, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Days for %1")},
    {"lblLuckyNumbers", "txtLuckyNumbers", &R::LuckyNumbers, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Numbers for %1")},
    {"lblBestDirection", "txtBestDirection", &R::BestDirection, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Best Direction for %1")},
    {"lblLuckyColors", "txtLuckyColors", &R::LuckyColors, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Colors for %1")},
    {"lblLuckyGemstone", "txtLuckyGemstone", &R::LuckyGemstone, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Gemstone for %1")},
    {"lblBestPeriodOfActivity", "txtBestPeriodOfActivity", &R::BestPeriodOfActivity, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Best Period Of Activity for %1")},
};

struct Page {
    const char* Caption;
    std::span<const ResultFieldBox> Boxes;
};

// Tab k shows Frame k; the eighth page, About, is built on its own, and the
// birth star's page comes before it where there is a birth star.
constexpr Page kPages[] = {
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Sign Characteristics"), kSignCharacteristics},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Physique And Looks"), kPhysiqueAndLooks},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Human Nature"), kHumanNature},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Career And Finance"), kCareerAndFinance},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Love And Compatibility"), kLoveAndCompatibility},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Health"), kHealth},
    //: The lucky page's tab before a rashi is shown; "Lucky for %1" names the rashi once it is.
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky for....Rashi"), kLucky},
};
constexpr int kPageCount = 8;
constexpr int kLuckyTab = 7;

// The sign pictures in the image list's order; the first is shown when the
// English name matches none of them.
constexpr std::array<const char*, 12> kPictureKeys{
    "Aquarius", "Aries", "Cancer", "Capricorn", "Gemini", "Leo",
    "Libra", "Pisces", "Sagittarius", "Scorpio", "Taurus", "Virgo",
};
constexpr int kPictureSize = 200;
// The header column is a little wider than its picture, so that the lines
// on the rashi, its birth star and the method wrap less.
constexpr int kHeaderWidth = 240;
constexpr int kLeastHeight = 620;

// Eight tab captions do not fit side by side above a page of sensible width,
// so the tabs stand in a column beside the pages, their captions upright and
// left-aligned as in a list.
class UprightTabStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        QSize extent = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_TabBarTab) {
            extent.transpose();
            extent.setHeight(qMax(extent.height(), 30));
        }
        return extent;
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (element != CE_TabBarTabLabel || tab == nullptr) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect text = tab->rect.adjusted(12, 0, -8, 0);
        proxy()->drawItemText(painter, text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, tab->palette,
                              tab->state.testFlag(State_Enabled), tab->text, QPalette::WindowText);
        if (tab->state.testFlag(State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*tab);
            focus.rect = tab->rect.adjusted(5, 4, -4, -4);
            proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }
};

QString Name(const char* prefix, int k) { return QLatin1String(prefix) + QString::number(k); }

// A text of the tables above in the user's language.
QString Tr(const char* text) { return QCoreApplication::translate(ResultWindowContext, text); }

QString PictureKeyFor(const QString& englishName)
{
    for (const char* key : kPictureKeys) {
        if (englishName == QLatin1String(key)) {
            return englishName;
        }
    }
    return QLatin1String(kPictureKeys.front());
}

QLabel* MakeCaption(const ResultFieldBox& box, QWidget* parent)
{
    const RashiField& field = RashiFieldOf(box.Value);
    auto* caption = new QLabel(Tr(field.Caption), parent);
    caption->setObjectName(QLatin1String(box.Label));
    if (field.Hint != nullptr) {
        caption->setToolTip(Tr(field.Hint));
    }
    return caption;
}

// A locked box: readable, selectable and copyable, never editable.
QWidget* MakeBox(const ResultFieldBox& field, QLabel* caption, QWidget* parent)
{
    QWidget* box = nullptr;
    if (field.MultiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(true);
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setTabChangesFocus(true);
        box = edit;
    } else {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        box = edit;
    }
    box->setObjectName(QLatin1String(field.Box));
    box->setAccessibleName(caption->text());
    if (const char* hint = RashiFieldOf(field.Value).Hint) {
        box->setAccessibleDescription(Tr(hint));
    }
    caption->setBuddy(box);
    return box;
}

void SetBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(text);
    }
}


}  // namespace

frmResult::frmResult(const Reading& reading, Services& services, QWidget* parent)
    : QMainWindow(parent), reading_(reading), services_(services)
{
    PrepareWindow(*this, QStringLiteral("frmResult"));

    BuildMenus();
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(12, 12, 12, 12);
    columns->setSpacing(16);
    // The pages are built first so the tab strip leads the keyboard order.
    QWidget* pages = BuildPages(central);
    columns->addWidget(BuildHeader(central));
    columns->addWidget(pages, 1);
    setCentralWidget(central);
    resize(960, kLeastHeight);

    Form_Load();
    FitHeight();
}

void frmResult::BuildMenus()
{
    QMenu* mnuFile = AddMenu(*menuBar(), "mnuFile", tr("&File"));
    AddMenuEntry(*mnuFile, "mnuBack", tr("&Back"), this, &frmResult::mnuBack_Click);
    AddMenuSeparator(*mnuFile, "mnuFile1");
    AddMenuEntry(*mnuFile, "mnuSave", tr("&Save"), this, &frmResult::mnuSave_Click);
    AddMenuEntry(*mnuFile, "mnuMatchWith", tr("&Match With\u2026"), this, &frmResult::mnuMatchWith_Click);
    AddHelpMenu(*menuBar(), this, &frmResult::mnuOnline_Click, &frmResult::mnuVisit_Click,
                &frmResult::mnuUpdate_Click, &frmResult::mnuAbout_Click);
}

// The header column, its buttons at the foot; what stands above them scrolls
// where a screen is too short for all of it.
QWidget* frmResult::BuildHeader(QWidget* parent)
{
    auto* side = new QWidget(parent);
    auto* outer = new QVBoxLayout(side);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(8);
    headerScroll_ = new QScrollArea(side);
    headerScroll_->setObjectName(QStringLiteral("scrHeader"));
    headerScroll_->setFrameShape(QFrame::NoFrame);
    headerScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    headerScroll_->setWidgetResizable(true);
    headerScroll_->viewport()->setAutoFillBackground(false);
    headerScroll_->setFixedWidth(kHeaderWidth + headerScroll_->verticalScrollBar()->sizeHint().width());

    auto* header = new QWidget(headerScroll_);
    header->setAutoFillBackground(false);
    header->setFixedWidth(kHeaderWidth);
    auto* column = new QVBoxLayout(header);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    picRashi = new SharpPicture(header);
    picRashi->setObjectName(QStringLiteral("picRashi"));
    picRashi->setFixedSize(kPictureSize, kPictureSize);
    picRashi->setAlignment(Qt::AlignCenter);
    column->addWidget(picRashi, 0, Qt::AlignHCenter);

    //: The heading that shows the rashi's name once the reading is loaded.
    lblVedicName = new QLabel(tr("Rashi"), header);
    lblVedicName->setObjectName(QStringLiteral("lblVedicName"));
    lblVedicName->setFont(WindowFont(14, true));
    lblVedicName->setAlignment(Qt::AlignCenter);
    column->addSpacing(4);
    column->addWidget(lblVedicName);
    fraSignStay = new SignStayPanel(kHeaderWidth, header);
    fraSignStay->setObjectName(QStringLiteral("fraSignStay"));
    column->addSpacing(2);
    column->addWidget(fraSignStay);
    // One line on the birth star here; its page tells the rest, and the
    // line leads there.
    lblBirthStar = new ClickableLabel(QString(), header);
    lblBirthStar->setObjectName(QStringLiteral("lblBirthStar"));
    lblBirthStar->setAlignment(Qt::AlignCenter);
    lblBirthStar->setTextFormat(Qt::PlainText);
    lblBirthStar->setAccessibleDescription(tr("Shows the page on the birth star"));
    connect(lblBirthStar, &ClickableLabel::clicked, this, &frmResult::ShowBirthStarPage);
    column->addSpacing(2);
    column->addWidget(lblBirthStar);
    lblCrossCheck = new CrossCheckLabel(kHeaderWidth, header);
    connect(lblCrossCheck, &CrossCheckLabel::OtherMethodChosen, this, &frmResult::OtherMethodRequested);
    column->addSpacing(2);
    column->addWidget(lblCrossCheck);
    column->addSpacing(2);

    for (const ResultFieldBox& field : kHeadline) {
        QLabel* caption = MakeCaption(field, header);
        QWidget* box = MakeBox(field, caption, header);
        fields_.push_back({&field, caption, box});
        column->addWidget(caption);
        column->addWidget(box);
        column->addSpacing(1);
    }
    column->addStretch(1);
    headerScroll_->setWidget(header);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    QPushButton* cmdBack = MakeButton(QStringLiteral("cmdBack"), tr("&Back"), side);
    QPushButton* cmdSave = MakeButton(QStringLiteral("cmdSave"), tr("&Save"), side);
    connect(cmdBack, &QPushButton::clicked, this, &frmResult::cmdBack_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmResult::cmdSave_Click);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdSave);
    buttons->addStretch(1);
    outer->addWidget(headerScroll_, 1);
    outer->addLayout(buttons);
    return side;
}

// Tall enough to show the whole header column where the screen allows, and
// never shorter than the pages want.
void frmResult::FitHeight()
{
    const int header = headerScroll_->widget()->minimumSizeHint().height();
    const int wanted = header + menuBar()->sizeHint().height() + 24 + 8 + 30;
    const int room = screen() != nullptr ? screen()->availableGeometry().height() - 48 : wanted;
    resize(width(), std::clamp(wanted, kLeastHeight, std::max(kLeastHeight, room)));
}

QWidget* frmResult::BuildPages(QWidget* parent)
{
    auto* side = new QWidget(parent);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    TS = new QTabWidget(side);
    TS->setObjectName(QStringLiteral("TS"));
    TS->setTabPosition(QTabWidget::West);
    auto* tabStyle = new UprightTabStyle;
    tabStyle->setParent(TS->tabBar());
    TS->tabBar()->setStyle(tabStyle);
    // Every tab stays in sight: the window grows no shorter than its tabs.
    TS->tabBar()->setUsesScrollButtons(false);
    connect(TS, &QTabWidget::tabBarClicked, this, &frmResult::TS_Click);

    for (int k = 1; k < kPageCount; ++k) {
        const Page& field = kPages[k - 1];
        auto* frame = new QWidget(TS);
        frame->setObjectName(Name("Frame", k));
        auto* grid = new QGridLayout(frame);
        grid->setContentsMargins(14, 14, 14, 12);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(8);
        grid->setColumnStretch(1, 1);
        int row = 0;
        bool filled = false;
        for (const ResultFieldBox& box : field.Boxes) {
            QLabel* caption = MakeCaption(box, frame);
            QWidget* edit = MakeBox(box, caption, frame);
            fields_.push_back({&box, caption, edit});
            if (box.MultiLine) {
                // Paragraphs take the page's whole width and all spare height.
                grid->addWidget(caption, row++, 0, 1, 2);
                grid->addWidget(edit, row, 0, 1, 2);
                grid->setRowStretch(row++, 1);
                filled = true;
            } else {
                grid->addWidget(caption, row, 0);
                grid->addWidget(edit, row++, 1);
            }
        }
        if (!filled) {
            grid->setRowStretch(row++, 1);
        }
        grid->addLayout(BuildPageButtons(k, frame), row, 0, 1, 2);
        TS->addTab(frame, Tr(field.Caption));
        pages_.push_back(frame);
    }
    // The birth star follows the sign's pages as the nakshatra divides the
    // signs, and the report tells of it after them; About stays the last page.
    if (reading_.Nakshatra && reading_.NakshatraLines) {
        auto* lastOfSign = pages_.back()->findChild<QPushButton*>(Name("cmdNext", kLuckyTab));
        fraBirthStar = new BirthStarPage(reading_, lastOfSign, TS);
        connect(fraBirthStar, &BirthStarPage::StepRequested, this,
                [this](int step) { TS->setCurrentIndex(TS->indexOf(fraBirthStar) + step); });
        connect(fraBirthStar, &BirthStarPage::OtherMethodChosen, this, &frmResult::OtherMethodRequested);
        TS->addTab(fraBirthStar, tr("Birth Star"));
    }
    pages_.push_back(BuildAboutPage());
    TS->addTab(pages_.back(), tr("About Software"));

    //: A frame around a link to the program's discussion board; Orvanta is the program's name.
    auto* Frame9 = new QGroupBox(tr("Orvanta Online"), side);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    auto* frameLayout = new QVBoxLayout(Frame9);
    auto* Label61 = new ClickableLabel(
        tr("Questions about your rashi? Ask them on the Orvanta discussion board - click here to visit the site."),
        Frame9);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setWordWrap(true);
    connect(Label61, &ClickableLabel::clicked, this, &frmResult::Label61_Click);
    frameLayout->addWidget(Label61);

    column->addWidget(Frame9);
    column->addWidget(TS, 1);
    // In the narrowest window the invitation takes two lines; its least
    // height says so, or the tabs under it would lose what it takes.
    const int frameWidth = Frame9->sizeHint().width() - Label61->sizeHint().width();
    FitHeightToWidth(Label61, TS->minimumSizeHint().width() - frameWidth);
    return side;
}

// Next and Back walk the pages as a chain; Back keeps its place beside Next
// even where one of them is missing, so the buttons never jump.
QLayout* frmResult::BuildPageButtons(int page, QWidget* frame)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 6, 0, 0);
    row->setSpacing(8);
    row->addStretch(1);
    // A step goes to the neighbouring tab, which may be the birth star's.
    auto addStep = [&](const char* name, const QString& caption, int step) {
        QPushButton* button = MakeButton(Name(name, page), caption, frame);
        connect(button, &QPushButton::clicked, this,
                [this, frame, step] { TS->setCurrentIndex(TS->indexOf(frame) + step); });
        row->addWidget(button);
    };
    auto addGap = [&] { row->addSpacing(88 + row->spacing()); };

    if (page > 1) {
        //: Page buttons: the previous page of the reading.
        addStep("cmdBack", tr("Back"), -1);
    } else {
        addGap();
    }
    if (page < kPageCount) {
        //: Page buttons: the next page of the reading.
        addStep("cmdNext", tr("Next"), +1);
    } else {
        addGap();
    }
    return row;
}

QWidget* frmResult::BuildAboutPage()
{
    auto* frame = new QWidget(TS);
    frame->setObjectName(Name("Frame", kPageCount));
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(14, 14, 14, 12);
    column->setSpacing(12);

    auto* title = new QHBoxLayout;
    title->setSpacing(12);
    auto* icon = new SharpPicture(frame);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setFixedSize(32, 32);
    icon->SetResource(QStringLiteral(":/icons/orvanta.svg"));
    auto* Label22 = new QLabel(QStringLiteral("Orvanta"), frame);
    Label22->setObjectName(QStringLiteral("Label22"));
    Label22->setFont(WindowFont(14, true));
    title->addWidget(icon);
    title->addWidget(Label22, 1);
    column->addLayout(title);

    auto* Label23 = new QLabel(Translated(ProductDescription("Orvanta Free")), frame);
    Label23->setObjectName(QStringLiteral("Label23"));
    Label23->setWordWrap(true);
    Label23->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(Label23);

    auto* lblHomePage = new ClickableLabel(
        //: %1 the program's web address.
        tr("Click here to visit our home page: %1").arg(ToQString(HomePage)), frame);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    connect(lblHomePage, &ClickableLabel::clicked, this, &frmResult::lblHomePage_Click);
    column->addWidget(lblHomePage);
    column->addStretch(1);
    column->addLayout(BuildPageButtons(kPageCount, frame));
    return frame;
}

void frmResult::Form_Load()
{
    const RashiCatalogueRow& rashi = reading_.Rashi;
    const QString vedicName = Translated(CatalogueContext, rashi.VedicName);

    TS->setFocus();
    ShowResultPage(1);
    lblVedicName->setText(vedicName);
    fraSignStay->Show(reading_.SignStay);
    ShowBirthStarLine();
    lblCrossCheck->Show(reading_);
    for (const ShownField& shown : fields_) {
        if (shown.Field->LoadCaption != nullptr) {
            shown.Caption->setText(Tr(shown.Field->LoadCaption).arg(vedicName));
            shown.Box->setAccessibleName(shown.Caption->text());
        }
        SetBoxText(shown.Box, Translated(CatalogueContext, rashi.*shown.Field->Value));
    }
    //: The lucky page's tab: %1 the rashi's name.
    TS->setTabText(kLuckyTab - 1, tr("Lucky for %1").arg(vedicName));
    ShowPicture(PictureKeyFor(ToQString(rashi.EnglishName)));
}

// The key is settled before anything is decoded, so a window decodes one
// picture however its name compares.
void frmResult::ShowPicture(const QString& key)
{
    picRashi->setProperty("imageKey", key);
    picRashi->SetResource(QStringLiteral(":/signs/") + key + QStringLiteral(".svg"));
}

int frmResult::PictureDecodes() const
{
    return picRashi->Renders();
}

void frmResult::ShowResultPage(int page)
{
    if (page < 1 || page > kPageCount) {
        return;
    }
    TS->setCurrentWidget(pages_[static_cast<std::size_t>(page - 1)]);
}

void frmResult::ShowBirthStarPage()
{
    if (fraBirthStar != nullptr) {
        TS->setCurrentWidget(fraBirthStar);
    }
}

void frmResult::ShowBirthStarLine()
{
    const std::optional<NakshatraText>& star = reading_.NakshatraLines;
    lblBirthStar->setVisible(star.has_value() && fraBirthStar != nullptr);
    if (lblBirthStar->isHidden()) {
        return;
    }
    SetPlainText(*lblBirthStar, Translated(star->Short));
    lblBirthStar->setAccessibleName(Translated(star->ShortSpoken));
}

// Tab by tab, not page by page: the birth star's tab stands among the pages.
void frmResult::TS_Click(int index)
{
    if (index >= 0) {
        TS->setCurrentIndex(index);
    }
}

void frmResult::cmdBack_Click()
{
    emit BackRequested();
}

void frmResult::cmdSave_Click()
{
    auto* report = new frmSave(reading_, services_.Record, services_.Platform, this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    services_.Platform.ShowModal(*report);
}

void frmResult::mnuBack_Click() { cmdBack_Click(); }
void frmResult::mnuSave_Click() { cmdSave_Click(); }
void frmResult::mnuMatchWith_Click() { emit MatchWithRequested(); }
void frmResult::mnuOnline_Click() { OpenHelpPage(services_.Platform); }
void frmResult::mnuVisit_Click() { OpenHomePage(services_.Platform); }
void frmResult::mnuUpdate_Click() { OpenDownloadPage(services_.Platform); }
void frmResult::mnuAbout_Click() { ShowResultPage(kPageCount); }
void frmResult::lblHomePage_Click() { OpenHomePage(services_.Platform); }
void frmResult::Label61_Click() { OpenHomePage(services_.Platform); }

}  // namespace orvanta
