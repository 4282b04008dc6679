#include "app/qt/ControlBuilder.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/Dialog.hpp"

namespace zorvek::qt {

namespace {

using frontend::ControlKind;
using frontend::Flow;
using frontend::WindowControl;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QBoxLayout* NewBox(Flow lines) {
  if (lines == Flow::Across) return new QHBoxLayout;
  return new QVBoxLayout;
}

// Builds one window; holders are the frames and panes, by name.
class Builder {
 public:
  Builder(QWidget& window, const frontend::WindowLayout& layout)
      : window_(window), layout_(layout) {
    QBoxLayout* top = NewBox(layout.Lines);
    window.setLayout(top);
    holders_[""] = {top, layout.Lines};
  }

  BuiltControls Build() {
    for (const WindowControl& desc : layout_.Controls) Add(desc);
    for (const WindowControl& desc : layout_.Controls) {
      auto* label = qobject_cast<QLabel*>(built_.Widget(desc.NamedBy));
      if (label != nullptr) label->setBuddy(built_.Widget(desc.Name));
    }
    return std::move(built_);
  }

 private:
  struct Holder {
    QBoxLayout* Box = nullptr;
    Flow Lines = Flow::Down;
  };

  void Register(const WindowControl& desc, QWidget* widget, std::string name = {}) {
    if (name.empty()) name = std::string(desc.Name);
    widget->setObjectName(QString::fromStdString(name));
    if (!desc.AccessibleName.empty()) widget->setAccessibleName(Q(desc.AccessibleName));
    built_.Widgets[name] = widget;
  }

  // Puts a widget into its holder; lists and long texts take the room a column leaves.
  void Place(const WindowControl& desc, QWidget* widget) {
    const Holder& holder = holders_.at(std::string(desc.Parent));
    bool grows = holder.Lines == Flow::Down &&
                 (desc.Kind == ControlKind::List || (desc.Kind == ControlKind::Text && !desc.Rows));
    holder.Box->addWidget(widget, grows ? 2 : 0);
  }

  QWidget* Holds(const WindowControl& desc) {
    auto it = holders_.find(std::string(desc.Parent));
    return it == holders_.end() ? &window_ : it->second.Box->parentWidget();
  }

  void Add(const WindowControl& desc) {
    switch (desc.Kind) {
      case ControlKind::Frame: {
        auto* frame = new QGroupBox(Holds(desc));
        Register(desc, frame);
        frame->setTitle(Q(desc.Caption));
        Place(desc, frame);
        QBoxLayout* box = NewBox(desc.Lines);
        frame->setLayout(box);
        holders_[std::string(desc.Name)] = {box, desc.Lines};
        break;
      }
      case ControlKind::Pane: {
        const Holder& parent = holders_.at(std::string(desc.Parent));
        QBoxLayout* box = NewBox(desc.Lines);
        parent.Box->addLayout(box, parent.Lines == Flow::Across ? 1 : 0);
        holders_[std::string(desc.Name)] = {box, desc.Lines};
        break;
      }
      case ControlKind::Label: {
        auto* label = new QLabel(Q(desc.Caption), Holds(desc));
        Register(desc, label);
        Place(desc, label);
        break;
      }
      case ControlKind::Text: {
        auto* text = new QPlainTextEdit(Holds(desc));
        text->setReadOnly(true);
        if (desc.Rows > 0)
          text->setMaximumHeight(text->fontMetrics().lineSpacing() * desc.Rows + 12);
        Register(desc, text);
        Place(desc, text);
        break;
      }
      case ControlKind::Line: {
        auto* line = new QLineEdit(Holds(desc));
        line->setReadOnly(true);
        Register(desc, line);
        Place(desc, line);
        break;
      }
      case ControlKind::List: {
        auto* list = new QListWidget(Holds(desc));
        Register(desc, list);
        Place(desc, list);
        break;
      }
      case ControlKind::Options:
        AddOptions(desc);
        break;
      case ControlKind::Button: {
        auto* button = new QPushButton(Q(desc.Caption), Holds(desc));
        button->setAutoDefault(false);
        Register(desc, button);
        Place(desc, button);
        break;
      }
      case ControlKind::Menu: {
        auto* menu = new QMenu(&window_);
        menu->setObjectName(Q(desc.Name));
        built_.Menus[std::string(desc.Name)] = menu;
        break;
      }
      case ControlKind::Entry:
        AddEntry(*built_.Menus.at(std::string(desc.Parent)), std::string(desc.Name), desc.Name,
                 std::nullopt);
        break;
      case ControlKind::Submenu: {
        QMenu* sub = built_.Menus.at(std::string(desc.Parent))->addMenu(QString());
        sub->setObjectName(Q(desc.Name));
        built_.Menus[std::string(desc.Name)] = sub;
        built_.Entries[std::string(desc.Name)] = sub->menuAction();
        for (int i = desc.First; i < desc.First + desc.Count; ++i) {
          AddEntry(*sub, Indexed(desc.Members, i), desc.Members, i);
        }
        break;
      }
    }
  }

  void AddOptions(const WindowControl& desc) {
    auto* box = new QWidget(Holds(desc));
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = desc.First; i < desc.First + desc.Count; ++i) {
      auto* option = new QRadioButton(box);
      Register(desc, option, Indexed(desc.Name, i));
      group->addButton(option, i);
      column->addWidget(option);
    }
    built_.Groups[std::string(desc.Name)] = group;
    Place(desc, box);
  }

  void AddEntry(QMenu& menu, const std::string& name, std::string_view control,
                std::optional<int> arg) {
    QAction* entry = menu.addAction(QString());
    entry->setObjectName(QString::fromStdString(name));
    built_.Entries[name] = entry;
    built_.Triggers.push_back({entry, std::string(control), arg});
  }

  QWidget& window_;
  const frontend::WindowLayout& layout_;
  std::map<std::string, Holder, std::less<>> holders_;
  BuiltControls built_;
};

}  // namespace

QWidget* BuiltControls::Widget(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = Widgets.find(name);
  return it == Widgets.end() ? nullptr : it->second;
}

BuiltControls BuildControls(QWidget& window, const frontend::WindowLayout& layout) {
  return Builder(window, layout).Build();
}

}  // namespace zorvek::qt
