#include "search/frmSearchResults.h"

#include "assets/frmAddUpDel.h"
#include "platform/forms/busy_guard.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "search/search_match.h"
#include "shell/frmMain.h"
#include "shell/shell_style.h"
#include "ui/screen_routines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <climits>
#include <optional>

namespace tlm::screens {

namespace {

namespace Inv = fld::Inventory;

constexpr int kHelpTopic = 7001; // the search results topic of the help file

// The Inventory column of a sort_flag; empty for table order.
QString sortColumn(int sortFlag)
{
    switch (sortFlag) {
    case 1: return QStringLiteral("Area");
    case 2: return QStringLiteral("Location");
    case 4: return QStringLiteral("Type");
    case 5: return QStringLiteral("Year");
    case 6: return QStringLiteral("Make");
    case 7: return QStringLiteral("Model");
    default: return QString();
    }
}

int clampToInt(qint64 n) { return int(std::min<qint64>(n, INT_MAX)); }

} // namespace

frmSearchResults::frmSearchResults(Program& program) : Screen(program)
{
    lblHead = new Label(this, QStringLiteral("Search Results"));
    lblHead->setFont(style::scaled(this, 6, true));
    lblHead->setAlignment(Qt::AlignCenter);
    lblRecsFound = new Label(this, QStringLiteral("Assets Found"));
    lblRecsFound->setFont(style::scaled(this, 1, true));
    lblPage = new Label(this, QStringLiteral("Page 1 of 1"));
    lblPage->setFont(style::scaled(this, 1, true));
    lblPage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const char* headings[] = {"Item", "Area", "Location", "Asset", "Year", "Make", "Model"};
    const char* sortTips[] = {"", " Click Here To Sort By Area ", " Click Here To Sort By Location ",
                              " Click Here To Sort By Asset ", " Click Here To Sort By Year ",
                              " Click Here To Sort By Make ", " Click Here To Sort By Model "};
    for (int c = 0; c < 7; ++c) {
        auto* heading = new Label(this, QString::fromLatin1(headings[c]));
        heading->setFont(style::scaled(this, 1, true));
        if (c > 0) {
            heading->setToolTipText(QString::fromLatin1(sortTips[c]));
            heading->setCursor(Qt::PointingHandCursor);
        }
        lblSubHead.add(heading, c);
        heading->Click = [this, c] { lblSubHead_Click(c); };
    }

    // Creation order is the tab order: row by row, left to right.
    ControlArray<TextBox>* columns[] = {&txtItem, &txtArea, &txtLocation, &txtType, &txtYear, &txtMake, &txtModel};
    for (int i = 0; i < kRows; ++i) {
        for (int c = 0; c < 7; ++c) {
            auto* box = new TextBox(this);
            box->setLocked(true);
            box->setAccessibleName(QStringLiteral("%1, Row %2").arg(lblSubHead[c]->Caption()).arg(i + 1));
            columns[c]->add(box, i);
        }
        auto* more = new TextBox(this);
        more->setLocked(true);
        more->setText(QStringLiteral("Update"));
        more->setToolTipText(QStringLiteral(" Click Here To Update Or Delete This Asset "));
        more->setAccessibleName(QStringLiteral("Update, Row %1").arg(i + 1));
        more->setAlignment(Qt::AlignCenter);
        more->setCursor(Qt::PointingHandCursor);
        QFont link = more->font();
        link.setUnderline(true);
        more->setFont(link);
        QPalette p = more->palette();
        p.setColor(QPalette::Text, QColor(0, 0, 192));
        more->setPalette(p);
        txtMore.add(more, i);
        more->Click = [this, i] { open_Asset(i); };
        more->KeyPress = [this, i](int& keyAscii) {
            if (keyAscii == 13)
                open_Asset(i);
        };
        auto* id = new TextBox(this);
        id->setVisible(false);
        id->setAccessibleName(QStringLiteral("Asset Number"));
        txtIDNum.add(id, i);
    }

    cmdPrevious = new CommandButton(this, QStringLiteral("<= Pre&vious"));
    cmdPrevious->setToolTipText(QStringLiteral(" Click Here To Go To Previous Page "));
    cmdNext = new CommandButton(this, QStringLiteral("&Next =>"));
    cmdNext->setToolTipText(QStringLiteral(" Click Here To Go To Next Page "));
    cmdBack = new CommandButton(this, QStringLiteral("New &Search"));
    cmdBack->setToolTipText(QStringLiteral(" Click Here To Return To Previous Window "));
    cmdPrint = new CommandButton(this, QStringLiteral("&Print Results"));
    cmdPrint->setToolTipText(QStringLiteral(" Click Here To Print All Of The Assets From This Search "));
    cmdMain = new CommandButton(this, QStringLiteral("&Main Menu"));
    cmdMain->setToolTipText(QStringLiteral(" Click Here To Return To Main Menu "));
    cmdPrevious->setEnabled(false);
    cmdNext->setEnabled(false);
    for (CommandButton* b : {cmdPrevious, cmdNext, cmdBack, cmdPrint, cmdMain}) {
        b->setMinimumSize(112, 34);
        b->HelpContextID = kHelpTopic;
    }
    for (int i = 0; i < kRows; ++i)
        for (auto* column : {&txtItem, &txtArea, &txtLocation, &txtType, &txtYear, &txtMake, &txtModel, &txtMore})
            (*column)[i]->HelpContextID = kHelpTopic;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 14);
    layout->setSpacing(8);
    layout->addWidget(lblHead);
    auto* counts = new QHBoxLayout;
    counts->addWidget(lblRecsFound);
    counts->addStretch(1);
    counts->addWidget(lblPage);
    layout->addLayout(counts);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int c = 0; c < 7; ++c)
        grid->addWidget(lblSubHead[c], 0, c);
    const int stretch[] = {0, 2, 3, 3, 1, 3, 3, 0};
    const int width[] = {44, 90, 130, 130, 56, 120, 120, 70};
    for (int i = 0; i < kRows; ++i) {
        TextBox* row[] = {txtItem[i], txtArea[i], txtLocation[i], txtType[i], txtYear[i], txtMake[i], txtModel[i], txtMore[i]};
        for (int c = 0; c < 8; ++c) {
            // An empty row keeps its place, so the pages do not jump.
            QSizePolicy policy = row[c]->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            row[c]->setSizePolicy(policy);
            row[c]->setMinimumWidth(width[c]);
            if (stretch[c] == 0 || c == 4)
                row[c]->setMaximumWidth(width[c] + 16); // the running number, the year, "Update"
            grid->addWidget(row[c], i + 1, c);
        }
    }
    for (int c = 0; c < 8; ++c)
        grid->setColumnStretch(c, stretch[c]);
    layout->addLayout(grid);
    layout->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    for (CommandButton* b : {cmdBack, cmdPrint, cmdMain})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    wireHighlight({cmdNext, cmdPrevious, cmdBack, cmdPrint, cmdMain});
    cmdNext->Click = [this] { cmdNext_Click(); };
    cmdPrevious->Click = [this] { cmdPrevious_Click(); };
    cmdBack->Click = [this] { cmdBack_Click(); };
    cmdPrint->Click = [this] { cmdPrint_Click(); };
    cmdMain->Click = [this] { cmdMain_Click(); };

    clear_Rows();
    resize(sizeHint().expandedTo(QSize(860, 0)));
    setMinimumSize(size());
    style::centerOnScreen(this);
}

// ---------------------------------------------------------------- matching

frmSearchResults::Criteria frmSearchResults::read_Criteria() const
{
    const frmSearch& search = program.frmSearch();
    Criteria c;
    const ComboBox* lists[] = {search.cmbArea, search.cmbLocation, search.cmbCat, search.cmbType};
    for (int k = 0; k < 4; ++k) {
        c.upper[k] = lists[k]->Text().toUpper();
        c.any[k] = c.upper[k] == QStringLiteral("ANY");
    }
    c.key = search.txtKey->Text().toUpper();
    return c;
}

// Area, location, category and item, in that order; whole values, letter case aside.
bool frmSearchResults::Criteria::passes(const Recordset& rs) const
{
    QString buffer;
    for (int k = 0; k < 4; ++k)
        if (!any[k] && !search::equalsUpper(rs.textView(Inv::Area + k, buffer), upper[k]))
            return false;
    return true;
}

// The key word as plain text anywhere in fields 0 to 13: the asset number and the amount as
// stored included.
bool frmSearchResults::Criteria::keyWordIn(const Recordset& rs) const
{
    QString buffer;
    for (int f = Inv::AssetNumber; f <= Inv::Description; ++f)
        if (search::containsUpper(rs.textView(f, buffer), key))
            return true;
    return false;
}

// ---------------------------------------------------------------- the search

void frmSearchResults::load_From_Search_Screen()
{
    frmSearch& search = program.frmSearch();
    const Criteria asked = read_Criteria();
    if (message_flag && asked.allAny() && asked.key.isEmpty()
        && msgBox(QStringLiteral("This Search Will Display All Assets...Continue?"), vbInformationYesNo) == vbNo) {
        Hide();
        search.Show();
        rec_found = false;
        search.txtKey->SetFocus();
        return;
    }
    // The hourglass where the user looks: the criteria screen that started the search.
    std::optional<BusyGuard> busy;
    if (message_flag)
        busy.emplace(search);
    cmdPrevious->setEnabled(false);
    adv_rec_count = 0;
    clear_Rows();
    Get_Records_For_Print();
}

void frmSearchResults::Get_Records_For_Print()
{
    frmSearch& search = program.frmSearch();
    Recordset& inventory = Data1.rsInventory;
    Recordset& print = Data1.rsPrint;
    criteria_ = read_Criteria();
    const auto hideProgress = [&search] {
        search.pbSearch->setVisible(false);
        search.lblHead[3]->setVisible(true);
    };
    try {
        // Emptying and filling Print is one write: a failure leaves the previous results.
        Transaction tx(Data1.Home);
        EditGuard edit(print);
        program.frmPrint().clear_Print_Database();
        search.pbSearch->setValue(0);
        const qint64 count = inventory.RecordCount();
        if (count != 0) {
            search.pbSearch->setMax(clampToInt(count));
            // The order first, then the first row of that order, then the walk: no row missed.
            inventory.Sort(QString());
            const QString column = sortColumn(sort_flag);
            if (!column.isEmpty())
                inventory.Sort(column);
            inventory.MoveFirst();
            // The bar moves in steps of a two-hundredth: it cannot show more, and every
            // visible step repaints it.
            const qint64 step = std::max<qint64>(1, count / 200);
            qint64 walked = 0;
            for (; !inventory.isEOF(); inventory.MoveNext()) {
                if (++walked % step == 0 || walked == count)
                    search.pbSearch->setValue(clampToInt(walked));
                if (!criteria_.passes(inventory) || (!criteria_.key.isEmpty() && !criteria_.keyWordIn(inventory)))
                    continue;
                print.AddNew();
                for (int f = 0; f < fld::Print::Count; ++f)
                    print.setField(f, inventory.Fields(f));
                print.Update();
            }
        }
        tx.commit();
    } catch (...) {
        hideProgress();
        throw;
    }
    hideProgress();
    show_Results();
}

void frmSearchResults::show_Results()
{
    page_adv = 0;
    check_val = 0;
    curr_rec_count = kRows;
    rec_found = false;
    Recordset& print = Data1.rsPrint;
    // Every copied row passed the criteria and the key word: Print's rows are the count.
    rec_count = print.RecordCount();
    cmdNext->setEnabled(rec_count > curr_rec_count);
    clear_Rows();
    if (rec_count != 0) {
        print.MoveFirst();
        show_Rows(0);
    }
    if (!rec_found) {
        // Nothing listed: no count or page of an earlier search stays on the screen.
        rec_count = 0;
        show_Counts();
        if (message_flag) {
            frmSearch& search = program.frmSearch();
            msgBox(QStringLiteral("No Assets Were Found Based On The Information You Entered!"), vbExclamation,
                   QStringLiteral(" Inventory Search Results"));
            search.Show();
            Hide();
            search.txtKey->SetFocus();
            search.pbSearch->setVisible(false);
            search.lblHead[3]->setVisible(true);
        }
        return;
    }
    check_val = (rec_count + kRows - 1) / kRows;
    page_adv = 1;
    show_Counts();
    Show();
    if (message_flag) {
        program.frmSearch().pbSearch->setVisible(false);
        program.frmSearch().lblHead[3]->setVisible(true);
    }
}

void frmSearchResults::show_Counts()
{
    lblRecsFound->setCaption(QString::number(rec_count)
                             + (rec_count < 2 ? QStringLiteral(" Asset Found!") : QStringLiteral(" Assets Found!")));
    lblPage->setCaption(QStringLiteral("Page %1 of %2").arg(page_adv).arg(check_val));
}

void frmSearchResults::show_Rows(qint64 first)
{
    Recordset& print = Data1.rsPrint;
    int i = 0;
    for (; i < curr_rec_count && !print.isEOF(); print.MoveNext()) {
        if (!criteria_.passes(print))
            continue;
        txtIDNum[i]->setText(print.text(Inv::AssetNumber));
        txtMore[i]->setText(QStringLiteral("Update"));
        txtItem[i]->setText(QString::number(first + i + 1));
        txtArea[i]->setText(print.text(Inv::Area));
        txtLocation[i]->setText(print.text(Inv::Location));
        txtType[i]->setText(print.text(Inv::Type));
        txtYear[i]->setText(print.text(Inv::Year));
        txtMake[i]->setText(print.text(Inv::Make));
        txtModel[i]->setText(print.text(Inv::Model));
        for (auto* column : {&txtItem, &txtArea, &txtLocation, &txtType, &txtYear, &txtMake, &txtModel, &txtMore})
            (*column)[i]->setVisible(true);
        txtMore[i]->setEnabled(true);
        rec_found = true;
        ++i;
    }
}

void frmSearchResults::load_Items()
{
    clear_Rows();
    Recordset& print = Data1.rsPrint;
    if (print.RecordCount() == 0)
        return;
    print.MoveFirst();
    for (qint64 skipped = 0; skipped < adv_rec_count && !print.isEOF(); ++skipped)
        print.MoveNext();
    show_Rows(adv_rec_count);
}

void frmSearchResults::clear_Rows()
{
    for (int i = 0; i < kRows; ++i) {
        if (txtMore[i]->Enabled()) {
            txtMore[i]->setEnabled(false);
            txtMore[i]->setVisible(false);
        }
        for (auto* column : {&txtIDNum, &txtMore, &txtItem, &txtArea, &txtLocation, &txtType, &txtYear, &txtMake, &txtModel})
            (*column)[i]->setText(QString());
        // An empty row shows no empty boxes.
        for (auto* column : {&txtItem, &txtArea, &txtLocation, &txtType, &txtYear, &txtMake, &txtModel, &txtMore})
            (*column)[i]->setVisible(false);
    }
}

// ---------------------------------------------------------------- pages and sorting

void frmSearchResults::cmdNext_Click()
{
    adv_rec_count += kRows;
    if (page_adv > 0)
        cmdPrevious->setEnabled(true);
    if (page_adv + 1 == check_val)
        cmdNext->setEnabled(false);
    ++page_adv;
    show_Counts();
    load_Items();
}

void frmSearchResults::cmdPrevious_Click()
{
    adv_rec_count -= kRows;
    --page_adv;
    show_Counts();
    if (page_adv < 2)
        cmdPrevious->setEnabled(false);
    if (page_adv <= check_val)
        cmdNext->setEnabled(true);
    load_Items();
}

void frmSearchResults::lblSubHead_Click(int index)
{
    BusyGuard busy(*this);
    // "Item" keeps the order of the last sort.
    const int flags[] = {sort_flag, 1, 2, 4, 5, 6, 7};
    sort_flag = flags[index];
    message_flag = false;
    cmdPrevious->setEnabled(false);
    adv_rec_count = 0;
    Get_Records_For_Print();
}

// ---------------------------------------------------------------- opening an asset

void frmSearchResults::open_Asset(int index)
{
    id_num = txtIDNum[index]->Text();
    program.frmMain().last_screen_flag = true;
    frmAddUpDel& asset = program.frmAddUpDel();
    asset.war_Id = id_num.toLongLong();
    asset.cmdAdd->setDefault(false);
    asset.cmdUpdate->setDefault(true);
    asset.check_Form_Type();
    if (!asset.Visible()) {
        // The asset is gone (the asset screen has said so): this list shows the inventory as
        // it is now instead.
        BusyGuard busy(*this);
        message_flag = false;
        load_From_Search_Screen();
        return;
    }
    Hide();
}

// ---------------------------------------------------------------- other buttons

void frmSearchResults::cmdBack_Click()
{
    clear_Rows();
    frmSearch& search = program.frmSearch();
    search.Show();
    search.txtKey->setText(QString());
    search.pbSearch->setValue(0);
    Hide();
}

void frmSearchResults::cmdMain_Click()
{
    clear_Rows();
    program.frmMain().Show();
    Hide();
}

void frmSearchResults::cmdPrint_Click()
{
    if (program.FillOutForm().Visible() || program.CoverSheet().Visible() || program.AssetReport().Visible()) {
        msgBox(QStringLiteral("Please Close Print Window Before Selecting Another Report To Print!"), vbExclamation);
        return;
    }
    try {
        // Print holds every asset the last search found, in its order.
        program.AssetReport().Show();
    } catch (const std::exception&) {
        msgBox(QStringLiteral("Error Printing Report...Please Ensure Printer Is Turned On And Working Properly!"),
               vbCritical);
    }
}

void frmSearchResults::Form_QueryUnload(int& cancel, int) { confirm_Close_Program(*this, cancel); }

} // namespace tlm::screens
