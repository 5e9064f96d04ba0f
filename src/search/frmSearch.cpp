#include "search/frmSearch.h"

#include "assets/frmAuto.h"
#include "search/frmPrint.h"
#include "search/frmSearchResults.h"
#include "shell/frmMain.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace tlm::screens {

namespace {

namespace Items = fld::Items;

const QString kAny = QStringLiteral("Any");
const QString kAnyUpper = QStringLiteral("ANY");
constexpr int kHelpTopic = 6001; // the search topic of the help file

bool isFiller(const QString& name)
{
    return name == stored::AddEditLocation || name == stored::AddEditCategory || name == stored::AddEditItem;
}

} // namespace

frmSearch::frmSearch(Program& program) : Screen(program)
{
    const char* headings[] = {"Search For Assets", "Narrow Your Search", "Search By Word",
                              "Click Search To Find Assets!", "And / Or"};
    for (int i = 0; i < 5; ++i)
        lblHead.add(new Label(this, QString::fromLatin1(headings[i])), i);
    lblHead[0]->setFont(style::scaled(this, 6, true));
    for (int i : {1, 2})
        lblHead[i]->setFont(style::scaled(this, 2, true));
    lblHead[4]->setFont(style::scaled(this, 1, true));
    for (Label* l : lblHead)
        l->setAlignment(Qt::AlignCenter);

    lblArea = new Label(this, QStringLiteral("Area"));
    lblLocation = new Label(this, QStringLiteral("Location"));
    lblCat = new Label(this, QStringLiteral("Category"));
    lblType = new Label(this, QStringLiteral("Item"));
    lblSelIn.add(new Label(this, QStringLiteral("Press F1 For Help")), 1);
    lblSelIn[1]->setAlignment(Qt::AlignCenter);

    // Creation order is the tab order. The lists are editable so that "Any" shows while a
    // list is still empty; only the area takes typing.
    const auto criterion = [this](Label* label, const char* tip) {
        auto* box = new ComboBox(this, true);
        box->setSorted(true);
        box->setText(kAny);
        box->setToolTipText(QString::fromLatin1(tip));
        box->setMinimumWidth(260);
        label->setBuddy(box);
        return box;
    };
    cmbArea = criterion(lblArea, " Select An Area To Search...Then Select The Enter Key To Find Asset(s) ");
    for (const QString& area : {kAny, stored::Indoor, stored::Mobile, stored::Outdoor})
        cmbArea->AddItem(area);
    cmbLocation = criterion(lblLocation, " Select A Location To Search...Then Select The Enter Key To Find Asset(s) ");
    cmbCat = criterion(lblCat, " Select A Category To Search...Then Select The Enter Key To Find Asset(s) ");
    cmbType = criterion(lblType, " Select An Item To Search...Then Select The Enter Key To Find Asset(s) ");
    txtKey = new TextBox(this);
    txtKey->setToolTipText(QStringLiteral(" Type In A Word To Search...Then Select The Enter Key To Find Asset(s) "));
    txtKey->setAccessibleName(lblHead[2]->Caption());
    lblHead[2]->setBuddy(txtKey);

    pbSearch = new ProgressBar(this);
    pbSearch->setAccessibleName(QStringLiteral("Search Progress"));
    pbSearch->setVisible(false);

    cmdContinue = new CommandButton(this, QStringLiteral("&Search"));
    cmdContinue->setToolTipText(QStringLiteral(" Click Here To Search For Assets Containing The Information Above "));
    cmdClearForm = new CommandButton(this, QStringLiteral("&Reset"));
    cmdClearForm->setToolTipText(QStringLiteral(" Click Here To Clear This Form For A New Search "));
    cmdBack = new CommandButton(this, QStringLiteral("&Cancel"));
    cmdBack->setToolTipText(QStringLiteral(" Click Here To Return To The Previous Window "));
    cmdCancel = cmdBack;
    // Enter in any box searches, as the tool tips say.
    cmdContinue->setDefault(true);

    for (Control* c : std::initializer_list<Control*>{cmbArea, cmbLocation, cmbCat, cmbType, txtKey, cmdContinue,
                                                      cmdClearForm, cmdBack})
        c->HelpContextID = kHelpTopic;

    // Layout: the four lists, "And / Or", the key word, the hint or the progress bar, buttons.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 18, 28, 14);
    layout->setSpacing(10);
    layout->addWidget(lblHead[0]);
    layout->addSpacing(4);
    layout->addWidget(lblHead[1]);
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(14);
    lists->setVerticalSpacing(8);
    const std::pair<Label*, ComboBox*> rows[] = {{lblArea, cmbArea}, {lblLocation, cmbLocation}, {lblCat, cmbCat}, {lblType, cmbType}};
    int row = 0;
    for (const auto& [label, box] : rows) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lists->addWidget(label, row, 1);
        lists->addWidget(box, row, 2);
        ++row;
    }
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(3, 1);
    layout->addLayout(lists);
    layout->addWidget(lblHead[4]);
    layout->addWidget(lblHead[2]);
    auto* key = new QHBoxLayout;
    key->addStretch(1);
    txtKey->setMinimumWidth(340);
    key->addWidget(txtKey);
    key->addStretch(1);
    layout->addLayout(key);
    layout->addSpacing(4);
    // The hint and the progress bar take turns in one place.
    auto* busyPlace = new QWidget(this);
    auto* busy = new QStackedLayout(busyPlace);
    busy->setStackingMode(QStackedLayout::StackAll);
    busy->addWidget(lblHead[3]);
    busy->addWidget(pbSearch);
    busyPlace->setFixedHeight(lblHead[3]->sizeHint().height() + 8);
    layout->addWidget(busyPlace);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch(1);
    for (CommandButton* b : {cmdContinue, cmdClearForm, cmdBack}) {
        b->setMinimumSize(110, 34);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(lblSelIn[1]);

    wireHighlight({cmdContinue, cmdClearForm, cmdBack});
    cmbArea->Change = [this] {
        if (!clearing_)
            fill_Locations();
    };
    cmbArea->Click = [this] { cmbArea_Click(); };
    cmbLocation->Change = [this] {
        if (!clearing_)
            fill_Categories();
    };
    cmbLocation->Click = [this] { fill_Categories(); };
    cmbCat->Change = [this] {
        if (!clearing_)
            fill_Items();
    };
    cmbCat->Click = [this] { fill_Items(); };
    for (ComboBox* box : {cmbLocation, cmbCat, cmbType}) {
        box->GotFocus = [this, box] { check_Order(box); };
        // Chosen from their lists only.
        box->KeyPress = [](int& keyAscii) { keyAscii = 0; };
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }
    cmbType->LostFocus = [this] { cmbType_LostFocus(); };
    txtKey->GotFocus = [this] { select_All_Text(txtKey); };
    cmdContinue->Click = [this] { cmdContinue_Click(); };
    cmdClearForm->Click = [this] { cmdClearForm_Click(); };
    cmdBack->Click = [this] { cmdBack_Click(); };

    resize(sizeHint().expandedTo(QSize(560, 0)));
    setMinimumSize(size());
    style::centerOnScreen(this);
}

// ---------------------------------------------------------------- the lists

void frmSearch::clear_listboxes()
{
    const QScopedValueRollback<bool> quiet(clearing_, true);
    if (clear_flag < 2)
        cmbArea->setText(kAny);
    const auto reset = [](ComboBox* box) {
        box->Clear();
        box->setText(kAny);
    };
    if (clear_flag < 3)
        reset(cmbLocation);
    if (clear_flag < 4)
        reset(cmbCat);
    if (clear_flag < 5)
        reset(cmbType);
}

void frmSearch::fill_Locations() { fill_List(cmbArea, 2, Items::Location, cmbLocation); }

// Every category of the area, whatever the location.
void frmSearch::fill_Categories() { fill_List(cmbLocation, 3, Items::Category, cmbCat); }

void frmSearch::fill_Items() { fill_List(cmbCat, 4, Items::Item, cmbType, cmbCat->Text().toUpper()); }

void frmSearch::fill_List(ComboBox* above, int level, int column, ComboBox* list, const QString& category)
{
    if (above->Text().toUpper() != kAnyUpper) {
        clear_flag = level;
        clear_listboxes();
        Recordset* table = area_Table();
        if (table && table->RecordCount() != 0) {
            for (table->MoveFirst(); !table->isEOF(); table->MoveNext()) {
                if (!category.isNull() && table->text(Items::Category).toUpper() != category)
                    continue;
                // The editors' entries are no names to search for, in any area's table.
                const QString name = table->text(column);
                if (!isFiller(name))
                    add_Unique(list, name);
            }
        }
    }
    for (const QString& entry : list->items())
        if (entry.toUpper() == kAnyUpper)
            return;
    list->AddItem(kAny);
}

Recordset* frmSearch::area_Table()
{
    const QString area = cmbArea->Text().toUpper();
    if (area == stored::Indoor.toUpper())
        return &Data1.rsIndoor;
    if (area == stored::Outdoor.toUpper())
        return &Data1.rsOutdoor;
    if (area == stored::Mobile.toUpper())
        return &Data1.rsMobile;
    cmbArea->setText(kAny);
    return nullptr;
}

void frmSearch::cmbArea_Click()
{
    cmbArea->setLocked(true);
    fill_Locations();
}

void frmSearch::cmbType_LostFocus()
{
    if (cmbType->Text().isEmpty())
        cmbType->setText(kAny);
}

bool frmSearch::order_Holds(ComboBox* box) const
{
    if (cmbArea->Text() == kAny)
        return false;
    if (box != cmbLocation && cmbLocation->Text() == kAny)
        return false;
    return box != cmbType || cmbCat->Text() != kAny;
}

bool frmSearch::check_Order(ComboBox* box)
{
    const QString what = box == cmbLocation ? QStringLiteral("A Location") : box == cmbCat ? QStringLiteral("A Category")
                                                                                            : QStringLiteral("An Item");
    const auto refuse = [&](const QString& first, ComboBox* focus) {
        msgBox(QStringLiteral("Please Select %1 Before Selecting %2!").arg(first, what), vbExclamation);
        focus->SetFocus();
        return false;
    };
    if (cmbArea->Text() == kAny)
        return refuse(QStringLiteral("An Area"), cmbArea);
    if (box == cmbLocation)
        return true;
    if (cmbLocation->Text() == kAny)
        return refuse(QStringLiteral("A Location"), cmbLocation);
    if (box == cmbCat)
        return true;
    if (cmbCat->Text() == kAny)
        return refuse(QStringLiteral("A Category"), cmbCat);
    return true;
}

bool frmSearch::eventFilter(QObject* watched, QEvent* event)
{
    // A list that may not be chosen yet does not open: its order check speaks instead.
    if (event->type() == QEvent::MouseButtonPress) {
        for (ComboBox* box : {cmbLocation, cmbCat, cmbType}) {
            if ((watched == box || watched == box->lineEdit()) && box->isEnabled() && ActiveControl() != box
                && !order_Holds(box)) {
                manager().runHandler([box] { box->SetFocus(); });
                return true;
            }
        }
    }
    return Screen::eventFilter(watched, event);
}

// ---------------------------------------------------------------- buttons

void frmSearch::cmdContinue_Click()
{
    frmSearchResults& results = program.frmSearchResults();
    results.adv_rec_count = 0;
    results.message_flag = true;
    results.load_From_Search_Screen();
    if (results.rec_found) {
        results.Show();
        Hide();
    }
}

void frmSearch::cmdClearForm_Click()
{
    cmbArea->setEnabled(true);
    clear_flag = 1;
    clear_listboxes();
    txtKey->setText(QString());
    txtKey->SetFocus();
}

void frmSearch::cmdBack_Click()
{
    cmdContinue->SetFocus();
    Hide();
    // Back to where the search was opened from.
    if (program.frmMain().search_last_screen_flag)
        program.frmMain().Show();
    else if (program.frmPrint().print_flag)
        program.frmPrint().Show();
    else
        program.frmAuto().Show();
}

void frmSearch::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens
