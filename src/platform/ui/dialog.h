// Dialogs made from the program's templates, and the data exchange between
// a dialog's members and its controls.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/cwnd.h"

namespace ui {

class CDialogEx;

// One run of DoDataExchange. After a failure every further exchange of the
// run is skipped, as though the run had stopped there.
class CDataExchange {
 public:
  CDataExchange(CDialogEx& dialog, bool save_and_validate)
      : m_pDlgWnd(&dialog), m_bSaveAndValidate(save_and_validate) {}

  // Stops the run: the control keeps the focus, so the user can mend it.
  void Fail(WindowRef control);
  bool failed() const { return failed_; }

  CDialogEx* const m_pDlgWnd;
  const bool m_bSaveAndValidate;  // true: controls to members

 private:
  bool failed_ = false;
};

class CDialogEx : public CWnd {
 public:
  // `parent` may be nullptr; it must outlive the dialog's window.
  CDialogEx(Windowing& windowing, int template_id, CWnd* parent = nullptr);
  ~CDialogEx() override;

  // Modeless: makes the window; OnInitDialog runs during the call.
  bool Create(int template_id, CWnd* parent = nullptr);
  // Modal: returns the value given to EndDialog (-1 when the window could not
  // be made).
  int DoModal();
  // A modal dialog ends its run; a modeless one is hidden.
  void EndDialog(int result);

  // Controls by id. The object stays valid while the dialog object lives;
  // a control bound with DDX_Control is returned as its own object.
  CWnd* GetDlgItem(int control_id);
  void SetDlgItemText(int control_id, const std::string& text);
  std::string GetDlgItemText(int control_id);
  void CheckDlgButton(int control_id, bool checked);
  bool IsDlgButtonChecked(int control_id);

  // Runs DoDataExchange: true reads the controls into the members, false
  // writes the members into the controls. False when an exchange failed.
  bool UpdateData(bool save_and_validate = true);

  int template_id() const { return template_id_; }

  // Used by the data exchange.
  void RegisterBoundControl(int control_id, CWnd& control);

  bool OnWindowMessage(Message& message) override;
  bool OnControlColour(Message& message, ColourAnswer& answer) override;
  bool PreTranslate(Message& message) override { return PreTranslateMessage(message); }

  static const MessageMap& Map();
  const MessageMap& GetMessageMap() const override { return Map(); }

 protected:
  // Binds and fills the controls (UpdateData(false)); true lets the dialog
  // manager put the focus on the first control.
  virtual bool OnInitDialog();
  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  virtual void OnOK();
  virtual void OnCancel();
  // Before the dialog manager: true when the message is done with.
  virtual bool PreTranslateMessage(Message& message);
  // Messages that no table entry took; true when handled.
  virtual bool DefWindowProc(Message& /*message*/) { return false; }
  // The colours of one control; the default answer leaves them to the system.
  virtual ColourAnswer OnCtlColor(int /*control_id*/, CtlColorKind /*kind*/) { return {}; }

  CWnd* parent() const { return parent_; }

 private:
  void OnWindowGone() override;

  int template_id_;
  CWnd* parent_;
  bool modal_ = false;
  std::map<int, CWnd*> bound_controls_;
  std::map<int, std::unique_ptr<CWnd>> item_handles_;
};

// Exchanges of one control each. Strings are the control's text as it stands;
// an int is written as decimal and read from a text that begins with a
// number; a radio group is the index of its checked button, -1 for none.
void DDX_Text(CDataExchange* pDX, int control_id, std::string& value);
void DDX_Text(CDataExchange* pDX, int control_id, int& value);
void DDX_Radio(CDataExchange* pDX, int first_control_id, int& value);
void DDX_Control(CDataExchange* pDX, int control_id, CWnd& control);

// The number a text begins with (blanks first allowed, then an optional sign
// and at least one digit), or nothing when it begins with none or the number
// does not fit an int.
std::optional<int> LeadingInteger(const std::string& text);

// The dialog framework's message for a text that holds no integer.
extern const char kNotAnIntegerMessage[];

}  // namespace ui
