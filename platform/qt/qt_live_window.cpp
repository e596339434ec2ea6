#include "platform/qt/qt_live_window.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "platform/qt/colours.h"
#include "platform/qt/edit_box.h"
#include "platform/qt/frame_extents.h"
#include "platform/qt/label_box.h"
#include "platform/qt/pic_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/shape_box.h"

namespace tolvane {
namespace {

// A PNG's width, from its header.
int PngWidth(std::span<const std::uint8_t> png) {
  if (png.size() < 24) return 0;
  return (png[16] << 24) | (png[17] << 16) | (png[18] << 8) | png[19];
}

// Title bars and task switchers show the window's icon at 64 pixels at most;
// the large image is for the desktop's own icon theme, so it is neither
// decoded at start-up nor sent to the window manager.
constexpr int kLargestWindowIcon = 64;

QIcon IconOf(const WindowDescription& description) {
  QIcon icon;
  for (std::span<const std::uint8_t> png : description.iconImages) {
    if (PngWidth(png) > kLargestWindowIcon) continue;
    QPixmap image;
    if (image.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG")) icon.addPixmap(image);
  }
  return icon;
}

QPushButton* MakeButton(const ControlDescription& control, QWidget* parent) {
  auto* button = new QPushButton(ToQString(control.text), parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// The centring rule: (screen - outer) / 2, truncated toward zero.
QPoint CentredOnPrimaryScreen(QSize outer) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0};
  const QRect area = screen->geometry();
  return {area.left() + (area.width() - outer.width()) / 2,
          area.top() + (area.height() - outer.height()) / 2};
}

}  // namespace

QtLiveWindow::QtLiveWindow(const WindowDescription& description, WindowEvents& events)
    : description_(description), events_(events) {
  widget_ = new ProgramWindow(description, [this] { events_.CloseRequested(*this); });
  widget_->setWindowTitle(ToQString(description.title));
  // Fixed from the start, so the window manager's answer about its frame
  // (asked now, read when the window is shown) is the one for this window.
  widget_->setFixedSize(description.contentWidth, description.contentHeight);
  frameExtents_ = std::make_unique<FrameExtentsRequest>(*widget_);
  widget_->setWindowIcon(IconOf(description));
  client_ = new QWidget(widget_);
  client_->setObjectName(QStringLiteral("client"));
  QPalette face = client_->palette();
  face.setColor(QPalette::Window, FaceColour());
  client_->setPalette(face);
  client_->setAutoFillBackground(true);
  widget_->setCentralWidget(client_);
  BuildMenu();
  BuildControls();
  BuildTabOrder();
}

QtLiveWindow::~QtLiveWindow() {
  if (!widget_) return;
  widget_->Detach();
  widget_->hide();
  // The widget may be inside one of its own event handlers (its close box
  // brought us here), so it goes once that handler has returned.
  widget_->deleteLater();
}

void QtLiveWindow::BuildMenu() {
  std::vector<QMenu*> open;  // the menu at each level of the tree
  for (const MenuItemDescription& item : description_.menu) {
    open.resize(static_cast<std::size_t>(item.level));
    const QString text = ToQString(item.text);
    if (item.kind == MenuItemKind::DropDown) {
      open.push_back(widget_->menuBar()->addMenu(text));
    } else if (item.kind == MenuItemKind::SubMenu) {
      open.push_back(open.back()->addMenu(text));
    } else {
      const std::string_view command = item.name;
      QAction* action = open.back()->addAction(text);
      QObject::connect(action, &QAction::triggered, widget_,
                       [this, command] { events_.MenuChosen(*this, command); });
    }
  }
}

void QtLiveWindow::BuildControls() {
  // Created bottom-most first: a later sibling lies above an earlier one.
  for (std::size_t i = description_.controls.size(); i-- > 0;) {
    const ControlDescription& control = description_.controls[i];
    if (control.kind == ControlKind::CommonDlg) {
      dialogs_.emplace(std::string(control.name), SaveDialogSettings{});
      continue;
    }
    QWidget* parent = control.parent.empty() ? client_ : Control(control.parent);
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::EditBox: widget = new EditBox(parent); break;
      case ControlKind::ShapeBox: widget = new ShapeBox(control, parent); break;
      case ControlKind::PicBox: widget = new PicBox(control, parent); break;
      case ControlKind::Label: widget = new LabelBox(control, parent); break;
      case ControlKind::Button: widget = MakeButton(control, parent); break;
      case ControlKind::CommonDlg: break;
    }
    widget->setObjectName(ToQString(control.name));
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      const std::string_view name = control.name;
      QObject::connect(button, &QPushButton::clicked, widget_,
                       [this, name] { events_.ButtonClicked(*this, name); });
    }
    widget->setGeometry(control.left, control.top, control.width, control.height);
    if (!control.accessibleName.empty())
      widget->setAccessibleName(ToQString(control.accessibleName));
  }
}

void QtLiveWindow::BuildTabOrder() {
  std::vector<const ControlDescription*> order;
  for (const ControlDescription& control : description_.controls) {
    if (control.tabOrder > 0) order.push_back(&control);
  }
  std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabOrder < b->tabOrder; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(Control(order[i - 1]->name), Control(order[i]->name));
  }
  for (const ControlDescription& control : description_.controls) {
    if (QWidget* widget = Control(control.name)) {
      widget->setFocusPolicy(control.tabOrder > 0 ? Qt::StrongFocus : Qt::NoFocus);
    }
  }
  if (!order.empty()) Control(order.front()->name)->setFocus(Qt::OtherFocusReason);
}

QWidget* QtLiveWindow::Control(std::string_view name) const {
  return client_->findChild<QWidget*>(ToQString(name));
}

WindowHandle QtLiveWindow::Handle() const { return reinterpret_cast<WindowHandle>(widget_.data()); }

std::string QtLiveWindow::Text(std::string_view control) const {
  QWidget* widget = Control(control);
  if (auto* edit = dynamic_cast<EditBox*>(widget)) return edit->Bytes();
  if (auto* label = dynamic_cast<LabelBox*>(widget)) return label->Text().toStdString();
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text().toStdString();
  return {};
}

void QtLiveWindow::SetText(std::string_view control, std::string_view text) {
  QWidget* widget = Control(control);
  if (auto* edit = dynamic_cast<EditBox*>(widget)) edit->SetBytes(text);
  if (auto* label = dynamic_cast<LabelBox*>(widget)) label->SetText(ToQString(text));
  if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(ToQString(text));
}

void QtLiveWindow::SetPicture(std::string_view control, std::span<const std::uint8_t> bytes) {
  if (auto* picture = dynamic_cast<PicBox*>(Control(control))) picture->SetPicture(bytes);
}

SaveDialogSettings& QtLiveWindow::CommonDialog(std::string_view control) {
  auto found = dialogs_.find(control);
  if (found == dialogs_.end())
    found = dialogs_.emplace(std::string(control), SaveDialogSettings{}).first;
  return found->second;
}

void QtLiveWindow::Show() {
  const int menuHeight = description_.menu.empty() ? 0 : widget_->menuBar()->sizeHint().height();
  const QMargins frame = frameExtents_->Answer();
  const int clientWidth =
      std::max(description_.outerWidth - frame.left() - frame.right(), description_.contentWidth);
  const int clientHeight =
      std::max(description_.outerHeight - frame.top() - frame.bottom() - menuHeight,
               description_.contentHeight);
  const QSize inner(clientWidth, clientHeight + menuHeight);
  const QSize outer = inner.grownBy(frame);
  // Placed by its client rectangle, which Qt and the window manager agree
  // on before the window is mapped; the frame then lands where centring put it.
  const QPoint outerPlace = CentredOnPrimaryScreen(outer);
  widget_->setFixedSize(inner);
  widget_->setGeometry(QRect(outerPlace + QPoint(frame.left(), frame.top()), inner));
  widget_->show();
  // Some window managers do not focus a newly mapped tool window; a modal
  // window that the keyboard cannot reach would be useless.
  widget_->activateWindow();
}

void QtLiveWindow::Activate() {
  if (widget_->isMinimized()) {
    widget_->showNormal();
  } else {
    widget_->raise();
    widget_->activateWindow();
  }
}

bool QtLiveWindow::IsEnabled() const { return widget_->isEnabled(); }

void QtLiveWindow::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

OuterRect QtLiveWindow::OuterGeometry() const {
  const QRect outer = widget_->frameGeometry();
  return {outer.left(), outer.top(), outer.width(), outer.height()};
}

}  // namespace tolvane
