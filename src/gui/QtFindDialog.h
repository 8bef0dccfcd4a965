#pragma once

// moc needs nothing from the dialog model's header.
#ifndef Q_MOC_RUN
#include "dialogs/FindDialog.h"
#include "edit/FindReplace.h"
#endif

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRect;

namespace planova {

/**
 * The modeless find dialog "検索・置換": the search text (control 1197), the replacement text
 * (1198), "データの最初から検索する" (1201) and the buttons "次を検索" (default), "前を検索", "置換"
 * (1199), "全て置換" (1200) and "終了", and the check boxes "全角／半角を区別しない",
 * "ひらがな／カタカナを区別しない", "大文字／小文字を区別しない" and "ToDoも検索", which hold for every
 * request until the dialog is opened anew. It stays open beside the planner and only asks: each button
 * sends a request with the texts as code page 932 bytes (characters beyond the code page as their
 * escapes), which the main window hands to the active view.
 *
 * "データの最初から検索する" applies to one request: it is cleared once its value has been taken
 * ("前を検索" then starts at the end). In find mode the replacement and both replace buttons are
 * disabled.
 *
 * (Formerly CFindDlg.)
 */
class QtFindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QtFindDialog(QWidget* parent);

    /// Shows the dialog in the mode as a new one: both texts empty, the check box off.
    void Open(FindDialogMode mode);
    /// Moves the dialog clear of the hit's mark (global coordinates), as editors do, never off the screen.
    void MoveClearOf(const QRect& hit);
    /// The mode it was opened in; FindDialogClosed while hidden.
    FindDialogMode Mode() const { return CurrentMode; }

    QLineEdit& SearchEdit() const { return *Search; }
    QLineEdit& ReplaceEdit() const { return *Replacement; }
    QCheckBox& FromStartBox() const { return *FromStart; }
    QCheckBox& IgnoreWidthBox() const { return *IgnoreWidth; }
    QCheckBox& IgnoreKanaBox() const { return *IgnoreKana; }
    QCheckBox& IgnoreCaseBox() const { return *IgnoreCase; }
    QCheckBox& ToDosBox() const { return *ToDos; }

    /// What the three check boxes "…を区別しない" ask every request to ignore.
    MatchOptions Options() const;
    /// Whether "ToDoも検索" is checked.
    bool SearchesToDos() const;
    QPushButton& FindNextButton() const { return *FindNext; }
    QPushButton& FindPreviousButton() const { return *FindPrevious; }
    QPushButton& ReplaceButton() const { return *ReplaceOne; }
    QPushButton& ReplaceAllButton() const { return *ReplaceAll; }
    QPushButton& EndButton() const { return *End; }

signals:
    /// "次を検索" (or "前を検索", backward) with the search text and "データの最初から検索する".
    void FindNextRequested(const std::string& search, bool fromStart, bool backward);
    /// "置換" with the search and the replacement text.
    void ReplaceRequested(const std::string& search, const std::string& replacement);
    /// "全て置換" with the search and the replacement text.
    void ReplaceAllRequested(const std::string& search, const std::string& replacement);
    /// "終了", Esc or the window closed: the dialog is gone.
    void Ended();

public slots:
    /// Esc ends the dialog like "終了".
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// The field's text as code page 932, or nothing after telling the user which character it cannot hold.
    std::optional<std::string> Cp932Of(QLineEdit& field);
    void RequestFindNext(bool backward);
    void RequestReplace(bool all);
    void EndDialog();

    QLineEdit* Search;
    QLineEdit* Replacement;
    QCheckBox* FromStart;
    QCheckBox* IgnoreWidth;
    QCheckBox* IgnoreKana;
    QCheckBox* IgnoreCase;
    QCheckBox* ToDos;
    QPushButton* FindNext;
    QPushButton* FindPrevious;
    QPushButton* ReplaceOne;
    QPushButton* ReplaceAll;
    QPushButton* End;
    FindDialogMode CurrentMode = FindDialogClosed;
};

} // namespace planova
