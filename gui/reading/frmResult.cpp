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
#include "platform/Platform.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/WindowFont.h"
#include "gui/reading/CrossCheckLabel.h"
#include "gui/reading/NakshatraPanel.h"
#include "gui/reading/SignStayPanel.h"
#include "gui/report/frmSave.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/SharpPicture.h"
#include "core/support/WebLinks.h"
#include "gui/support/WebPages.h"

namespace orvanta {

// One caption and the locked box that shows one field. A box with a load
// caption gets it, with the rashi's name, as its caption when the window loads.
struct ResultFieldBox {
    const char* Label;
    const char* Caption;
    const char* Hint;
    const char* Box;
    std::string_view RashiCatalogueRow::*Value;
    bool MultiLine = false;
    const char* LoadCaption = nullptr;  // "… for %1", the rashi's name in place of %1
};

namespace {

using R = RashiCatalogueRow;

constexpr ResultFieldBox kHeadline[] = {
    {"Label2", QT_TRANSLATE_NOOP("orvanta::frmResult", "Rulling Planet"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the planet that exercises a powerful energy on the sign."), "txtRullingPlanet", &R::RulingPlanet},
    {"Label4", QT_TRANSLATE_NOOP("orvanta::frmResult", "English Name"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the English name for the Vedic moon sign."), "txtEnglishName", &R::EnglishName},
    {"Label3", QT_TRANSLATE_NOOP("orvanta::frmResult", "Inborn Nature"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This describes the human characteristics of this sign."), "txtInbornNature", &R::Element},
    {"Label5", QT_TRANSLATE_NOOP("orvanta::frmResult", "Symbol"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the picture associated with the moon sign."), "txtSymbol", &R::Symbol},
    {"Label6", QT_TRANSLATE_NOOP("orvanta::frmResult", "Sign Color"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the color associated with the sign."), "txtSignColor", &R::SignColor},
};

constexpr ResultFieldBox kSignCharacteristics[] = {
    {"Label7", QT_TRANSLATE_NOOP("orvanta::frmResult", "Type Of Sign"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the attitude of the people under this sign."), "txtTypeOfSign", &R::TypeOfSign},
    {"Label8", QT_TRANSLATE_NOOP("orvanta::frmResult", "Gender"), QT_TRANSLATE_NOOP("orvanta::frmResult", "The male rashis are more dynamic in nature while the female rashis are passive by nature."), "txtGender", &R::Gender},
    {"Label9", QT_TRANSLATE_NOOP("orvanta::frmResult", "Barren / Fruitful"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This classifies the signs on basis of fertility."), "txtBarren", &R::Fertility},
    {"Label10", QT_TRANSLATE_NOOP("orvanta::frmResult", "Sign Caste"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers)."), "txtSignCaste", &R::SignCaste},
    {"Label11", QT_TRANSLATE_NOOP("orvanta::frmResult", "Sign Position"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside)."), "txtSignPosition", &R::SignPosition},
    {"Label12", QT_TRANSLATE_NOOP("orvanta::frmResult", "Constituent Character"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal)."), "txtConstituentCharacter", &R::ConstituentCharacter},
    {"Label13", QT_TRANSLATE_NOOP("orvanta::frmResult", "Part Of The Body"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This shows the parts of the bodies that the different signs represent."), "txtPartOfTheBody", &R::PartOfTheBody},
};

constexpr ResultFieldBox kPhysiqueAndLooks[] = {
    {"Label14", QT_TRANSLATE_NOOP("orvanta::frmResult", "Physique"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the general stature of people born under this sign."), "txtPhysique", &R::Physique},
    {"Label15", QT_TRANSLATE_NOOP("orvanta::frmResult", "Looks"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the physical appearance of people born under this sign."), "txtLooks", &R::Looks, true},
};

constexpr ResultFieldBox kHumanNature[] = {
    {"Label16", QT_TRANSLATE_NOOP("orvanta::frmResult", "Nature"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the human nature of people born under this sign."), "txtNature", &R::Nature, true},
};

constexpr ResultFieldBox kCareerAndFinance[] = {
    {"Label17", QT_TRANSLATE_NOOP("orvanta::frmResult", "Career And Finance"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This shows their career interests and financial habits."), "txtCareerAndFinance", &R::CareerAndFinance, true},
};

constexpr ResultFieldBox kLoveAndCompatibility[] = {
    {"Label18", QT_TRANSLATE_NOOP("orvanta::frmResult", "Love And Domestic Life"), nullptr, "txtLoveAndDomesticLife", &R::LoveAndDomesticLife, true},
    {"Label19", QT_TRANSLATE_NOOP("orvanta::frmResult", "Compatible With"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the other rashis/ moon signs that are compatible with this sign."), "txtCompatibleWith", &R::CompatibleWith},
    {"Label20", QT_TRANSLATE_NOOP("orvanta::frmResult", "Not Compatible With"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the other rashis/ moon signs that are not compatible with this sign."), "txtNotCompatibleWith", &R::NotCompatibleWith},
};

constexpr ResultFieldBox kHealth[] = {
    {"Label21", QT_TRANSLATE_NOOP("orvanta::frmResult", "Health"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the health issues of people born under this rashi."), "txtHealth", &R::Health, true},
};

constexpr ResultFieldBox kLucky[] = {
    {"lblLuckyDays", QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Days"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the lucky days for people born under this sign."), "txtLuckyDays", &R::LuckyDays, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Days for %1")},
    {"lblLuckyNumbers", QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Numbers"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the lucky numbers for people born under this sign."), "txtLuckyNumbers", &R::LuckyNumbers, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Numbers for %1")},
    {"lblBestDirection", QT_TRANSLATE_NOOP("orvanta::frmResult", "Best Direction"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the lucky directions for people born under this sign."), "txtBestDirection", &R::BestDirection, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Best Direction for %1")},
    {"lblLuckyColors", QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Colors"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the lucky colors for people born under this sign."), "txtLuckyColors", &R::LuckyColors, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Colors for %1")},
    {"lblLuckyGemstone", QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Gemstone"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This signifies the lucky gemstones for people born under this sign."), "txtLuckyGemstone", &R::LuckyGemstone, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Lucky Gemstone for %1")},
    {"lblBestPeriodOfActivity", QT_TRANSLATE_NOOP("orvanta::frmResult", "Best Period Of Activity"), QT_TRANSLATE_NOOP("orvanta::frmResult", "This shows the best period of the day when people of this sign are more active."), "txtBestPeriodOfActivity", &R::BestPeriodOfActivity, false, QT_TRANSLATE_NOOP("orvanta::frmResult", "Best Period Of Activity for %1")},
};

struct Page {
    const char* Caption;
    std::span<const ResultFieldBox> Boxes;
};

// Tab k shows Frame k; the eighth page, About, is built on its own.
constexpr Page kPages[] = {
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Sign Characteristics"), kSignCharacteristics},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Physique And Looks"), kPhysiqueAndLooks},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Human Nature"), kHumanNature},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Career And Finance"), kCareerAndFinance},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Love And Compatibility"), kLoveAndCompatibility},
    {QT_TRANSLATE_NOOP("orvanta::frmResult", "Health"), kHealth},
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

constexpr const char* kDescription = QT_TRANSLATE_NOOP(
    "orvanta::frmResult",
    "Orvanta Free is a moon sign / rashi calculator software based on Vedic Astrology. This program tells "
    "us in detail the characteristics and features of people born under a particular moon sign. This is "
    "different from the sun sign calculated in western astrology. This helps you understand your positive "
    "and negative traits, thus helping you improve your personality.");

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
QString Tr(const char* text) { return QCoreApplication::translate("orvanta::frmResult", text); }

QString PictureKeyFor(const QString& englishName)
{
    for (const char* key : kPictureKeys) {
        if (englishName == QLatin1String(key)) {
            return englishName;
        }
    }
    return QLatin1String(kPictureKeys.front());
}

QLabel* MakeCaption(const ResultFieldBox& field, QWidget* parent)
{
    auto* caption = new QLabel(Tr(field.Caption), parent);
    caption->setObjectName(QLatin1String(field.Label));
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
    if (field.Hint != nullptr) {
        box->setAccessibleDescription(Tr(field.Hint));
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

frmResult::frmResult(const Reading& reading, BirthRecord& record, Platform& platform, QWidget* parent)
    : QMainWindow(parent), reading_(reading), record_(record), platform_(platform)
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
    fraNakshatra = new NakshatraPanel(kHeaderWidth, header);
    fraNakshatra->setObjectName(QStringLiteral("fraNakshatra"));
    column->addSpacing(2);
    column->addWidget(fraNakshatra);
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
    }
    TS->addTab(BuildAboutPage(), tr("About Software"));

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
    auto addStep = [&](const char* name, const QString& caption, int target) {
        QPushButton* button = MakeButton(Name(name, page), caption, frame);
        connect(button, &QPushButton::clicked, this, [this, target] { ShowResultPage(target); });
        row->addWidget(button);
    };
    auto addGap = [&] { row->addSpacing(88 + row->spacing()); };

    if (page > 1) {
        addStep("cmdBack", tr("Back"), page - 1);
    } else {
        addGap();
    }
    if (page < kPageCount) {
        addStep("cmdNext", tr("Next"), page + 1);
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

    auto* Label23 = new QLabel(Tr(kDescription), frame);
    Label23->setObjectName(QStringLiteral("Label23"));
    Label23->setWordWrap(true);
    Label23->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(Label23);

    auto* lblHomePage = new ClickableLabel(
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
    const QString vedicName = Translated(TableTextContext, rashi.VedicName);

    TS->setFocus();
    ShowResultPage(1);
    lblVedicName->setText(vedicName);
    fraSignStay->Show(reading_.SignStay);
    fraNakshatra->Show(reading_.BirthStarText);
    lblCrossCheck->Show(reading_);
    for (const ShownField& shown : fields_) {
        if (shown.Field->LoadCaption != nullptr) {
            shown.Caption->setText(Tr(shown.Field->LoadCaption).arg(vedicName));
            shown.Box->setAccessibleName(shown.Caption->text());
        }
        SetBoxText(shown.Box, Translated(TableTextContext, rashi.*shown.Field->Value));
    }
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
    TS->setCurrentIndex(page - 1);
}

void frmResult::TS_Click(int index)
{
    ShowResultPage(index + 1);
}

void frmResult::cmdBack_Click()
{
    emit BackRequested();
}

void frmResult::cmdSave_Click()
{
    auto* report = new frmSave(reading_, record_, platform_, this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    platform_.ShowModal(*report);
}

void frmResult::mnuBack_Click() { cmdBack_Click(); }
void frmResult::mnuSave_Click() { cmdSave_Click(); }
void frmResult::mnuOnline_Click() { OpenHelpPage(platform_); }
void frmResult::mnuVisit_Click() { OpenHomePage(platform_); }
void frmResult::mnuUpdate_Click() { OpenDownloadPage(platform_); }
void frmResult::mnuAbout_Click() { ShowResultPage(kPageCount); }
void frmResult::lblHomePage_Click() { OpenHomePage(platform_); }
void frmResult::Label61_Click() { OpenHomePage(platform_); }

}  // namespace orvanta
