#include "gui/QtCalendarServerDialog.h"

#include "caldav/CalDavClient.h"
#include "caldav/CalDavError.h"
#include "canvas/QtText.h"
#include "gui/DialogFields.h"
#include "gui/InfoPane.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace planova {
namespace {

constexpr int FromId = 1401;
constexpr int ToId = 1402;

bool Imports(const CalendarServerValues& values)
{
    return values.Task == CalendarServerTask::Import;
}

} // namespace

QString KeyringNoteText(std::optional<bool> keyring)
{
    if (keyring.value_or(true))
        return QStringLiteral(
            "パスワードはデスクトップのキーリングに保存します (設定ファイルには保存しません)。");
    return QStringLiteral(
        "キーリングが使えないため、パスワードは Planova を終了するまでの間だけ覚えておきます。");
}

QtCalendarServerDialog::QtCalendarServerDialog(QWidget* parent)
    : QDialog(parent), FromServer(new QRadioButton(QStringLiteral("カレンダーサーバー"), this)),
      FromFile(new QRadioButton(QStringLiteral("iCalendar ファイル"), this)), IcsFile(new QLineEdit(this)),
      Browse(new QPushButton(QStringLiteral("参照..."), this)), Url(new QLineEdit(this)),
      User(new QLineEdit(this)), Password(new QLineEdit(this)), Note(new QLabel(this)),
      From(NewDatePicker(this, FromId)), To(NewDatePicker(this, ToId)),
      AfterSave(new QCheckBox(QStringLiteral("上書き保存のたびに自動で公開する"), this)),
      Why(new QLabel(this)), Ok(new QPushButton(QStringLiteral("OK"), this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this)), SourceRow(new QWidget(this)),
      Form(new QFormLayout)
{
    Url->setPlaceholderText(QStringLiteral("https://example.jp/calendars/teacher/plan/"));
    Url->setMinimumWidth(Url->fontMetrics().horizontalAdvance(Url->placeholderText()) + 24);
    Password->setEchoMode(QLineEdit::Password);
    Note->setWordWrap(true);
    Note->setStyleSheet(QStringLiteral("color: #505050"));
    Why->setStyleSheet(QStringLiteral("color: #b00000"));
    Why->setWordWrap(true);

    auto* source = new QVBoxLayout(SourceRow);
    source->setContentsMargins(0, 0, 0, 0);
    source->addWidget(FromServer);
    auto* file = new QHBoxLayout;
    file->addWidget(FromFile);
    file->addWidget(IcsFile, 1);
    file->addWidget(Browse);
    source->addLayout(file);

    Form->addRow(QStringLiteral("取り込み元："), SourceRow);
    Form->addRow(QStringLiteral("URL："), Url);
    Form->addRow(QStringLiteral("ユーザー名："), User);
    Form->addRow(QStringLiteral("パスワード："), Password);
    Form->addRow(QString(), Note);
    auto* range = new QHBoxLayout;
    range->addWidget(From);
    range->addWidget(new QLabel(QStringLiteral("～"), this));
    range->addWidget(To);
    range->addStretch(1);
    Form->addRow(QStringLiteral("期間："), range);
    Form->addRow(QString(), AfterSave);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Form);
    layout->addWidget(Why);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel, QDialogButtonBox::RejectRole);
    Ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QtCalendarServerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QtCalendarServerDialog::reject);
    layout->addWidget(buttons);

    for (QLineEdit* field : {Url, User, Password, IcsFile})
        connect(field, &QLineEdit::textChanged, this, &QtCalendarServerDialog::Update);
    for (QRadioButton* choice : {FromServer, FromFile})
        connect(choice, &QRadioButton::toggled, this, &QtCalendarServerDialog::Update);
    connect(From, &QDateEdit::dateChanged, this, &QtCalendarServerDialog::Update);
    connect(To, &QDateEdit::dateChanged, this, &QtCalendarServerDialog::Update);
    connect(Browse, &QPushButton::clicked, this, &QtCalendarServerDialog::ChooseFile);
}

void QtCalendarServerDialog::Start(const CalendarServerValues& values, std::optional<bool> keyring)
{
    Values = values;
    const bool imports = Imports(values);
    setWindowTitle(imports ? QStringLiteral("行事予定を取り込む")
                           : QStringLiteral("カレンダーサーバーに公開"));
    // An import asks where the events come from; a publish always goes to the server.
    Form->setRowVisible(SourceRow, imports);
    Form->setRowVisible(AfterSave, !imports);
    (values.FromFile ? FromFile : FromServer)->setChecked(true);
    IcsFile->setText(Utf8Text(values.IcsFile));
    Url->setText(Utf8Text(values.Url));
    User->setText(Utf8Text(values.User));
    Password->setText(Utf8Text(values.Password));
    Note->setText(KeyringNoteText(keyring));
    From->setDate(ToQDate(values.From));
    To->setDate(ToQDate(values.To));
    AfterSave->setChecked(values.PublishAfterSave);
    Update();
    (values.Url.empty() ? Url : Password)->setFocus(Qt::OtherFocusReason);
}

CalendarServerValues QtCalendarServerDialog::ReadControls() const
{
    CalendarServerValues read = Values;
    read.FromFile = Imports(Values) && FromFile->isChecked();
    read.IcsFile = IcsFile->text().trimmed().toStdString();
    read.Url = Url->text().trimmed().toStdString();
    read.User = User->text().trimmed().toStdString();
    read.Password = Password->text().toStdString();
    read.From = FromQDate(From->date());
    read.To = FromQDate(To->date());
    read.PublishAfterSave = AfterSave->isChecked();
    return read;
}

void QtCalendarServerDialog::Update()
{
    const CalendarServerValues read = ReadControls();
    // Reading a file needs no server: its fields rest while the file is chosen.
    const bool server = !read.FromFile;
    for (QWidget* field : std::initializer_list<QWidget*>{Url, User, Password, Note})
        field->setEnabled(server);
    IcsFile->setEnabled(!server);
    Browse->setEnabled(!server);
    const std::string refusal = CalendarServerRefusal(read);
    Ok->setEnabled(refusal.empty());
    Why->setText(Utf8Text(refusal));
}

void QtCalendarServerDialog::ChooseFile()
{
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("取り込む iCalendar ファイル"), IcsFile->text(),
                                     QStringLiteral("iCalendar (*.ics);;すべてのファイル (*)"));
    if (!file.isEmpty())
        IcsFile->setText(file);
}

void QtCalendarServerDialog::accept()
{
    const CalendarServerValues read = ReadControls();
    if (!CalendarServerRefusal(read).empty())
        return;
    if (!read.FromFile) {
        try {
            CollectionUrl(Url->text());
        } catch (const CalDavError& error) {
            ShowFieldProblem(*Url, Utf8Text(error.what()));
            return;
        }
    }
    Values = read;
    QDialog::accept();
}

} // namespace planova
