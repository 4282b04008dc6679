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
using frontend::ControlSpec;
using frontend::Flow;

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
    for (const ControlSpec& spec : layout_.Controls) Add(spec);
    for (const ControlSpec& spec : layout_.Controls) {
      auto* label = qobject_cast<QLabel*>(built_.Widget(spec.NamedBy));
      if (label != nullptr) label->setBuddy(built_.Widget(spec.Name));
    }
    return std::move(built_);
  }

 private:
  struct Holder {
    QBoxLayout* Box = nullptr;
    Flow Lines = Flow::Down;
  };

  void Register(const ControlSpec& spec, QWidget* widget, std::string name = {}) {
    if (name.empty()) name = std::string(spec.Name);
    widget->setObjectName(QString::fromStdString(name));
    if (!spec.AccessibleName.empty()) widget->setAccessibleName(Q(spec.AccessibleName));
    built_.Widgets[name] = widget;
  }

  // Puts a widget into its holder; lists and long texts take the room a column leaves.
  void Place(const ControlSpec& spec, QWidget* widget) {
    const Holder& holder = holders_.at(std::string(spec.Parent));
    bool grows = holder.Lines == Flow::Down &&
                 (spec.Kind == ControlKind::List || (spec.Kind == ControlKind::Text && !spec.Rows));
    holder.Box->addWidget(widget, grows ? 2 : 0);
  }

  QWidget* Holds(const ControlSpec& spec) {
    auto it = holders_.find(std::string(spec.Parent));
    return it == holders_.end() ? &window_ : it->second.Box->parentWidget();
  }

  void Add(const ControlSpec& spec) {
    switch (spec.Kind) {
      case ControlKind::Frame: {
        auto* frame = new QGroupBox(Holds(spec));
        Register(spec, frame);
        frame->setTitle(Q(spec.Caption));
        Place(spec, frame);
        QBoxLayout* box = NewBox(spec.Lines);
        frame->setLayout(box);
        holders_[std::string(spec.Name)] = {box, spec.Lines};
        break;
      }
      case ControlKind::Pane: {
        const Holder& parent = holders_.at(std::string(spec.Parent));
        QBoxLayout* box = NewBox(spec.Lines);
        parent.Box->addLayout(box, parent.Lines == Flow::Across ? 1 : 0);
        holders_[std::string(spec.Name)] = {box, spec.Lines};
        break;
      }
      case ControlKind::Label: {
        auto* label = new QLabel(Q(spec.Caption), Holds(spec));
        Register(spec, label);
        Place(spec, label);
        break;
      }
      case ControlKind::Text: {
        auto* text = new QPlainTextEdit(Holds(spec));
        text->setReadOnly(true);
        if (spec.Rows > 0)
          text->setMaximumHeight(text->fontMetrics().lineSpacing() * spec.Rows + 12);
        Register(spec, text);
        Place(spec, text);
        break;
      }
      case ControlKind::Line: {
        auto* line = new QLineEdit(Holds(spec));
        line->setReadOnly(true);
        Register(spec, line);
        Place(spec, line);
        break;
      }
      case ControlKind::List: {
        auto* list = new QListWidget(Holds(spec));
        Register(spec, list);
        Place(spec, list);
        break;
      }
      case ControlKind::Options:
        AddOptions(spec);
        break;
      case ControlKind::Button: {
        auto* button = new QPushButton(Q(spec.Caption), Holds(spec));
        button->setAutoDefault(false);
        Register(spec, button);
        Place(spec, button);
        break;
      }
      case ControlKind::Menu: {
        auto* menu = new QMenu(&window_);
        menu->setObjectName(Q(spec.Name));
        built_.Menus[std::string(spec.Name)] = menu;
        break;
      }
      case ControlKind::Entry:
        AddEntry(*built_.Menus.at(std::string(spec.Parent)), std::string(spec.Name), spec.Name,
                 std::nullopt);
        break;
      case ControlKind::Submenu: {
        QMenu* sub = built_.Menus.at(std::string(spec.Parent))->addMenu(QString());
        sub->setObjectName(Q(spec.Name));
        built_.Menus[std::string(spec.Name)] = sub;
        built_.Entries[std::string(spec.Name)] = sub->menuAction();
        for (int i = spec.First; i < spec.First + spec.Count; ++i) {
          AddEntry(*sub, Indexed(spec.Members, i), spec.Members, i);
        }
        break;
      }
    }
  }

  void AddOptions(const ControlSpec& spec) {
    auto* box = new QWidget(Holds(spec));
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = spec.First; i < spec.First + spec.Count; ++i) {
      auto* option = new QRadioButton(box);
      Register(spec, option, Indexed(spec.Name, i));
      group->addButton(option, i);
      column->addWidget(option);
    }
    built_.Groups[std::string(spec.Name)] = group;
    Place(spec, box);
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
