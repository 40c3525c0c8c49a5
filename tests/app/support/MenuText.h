// A QMenu written out as lines, for exact comparisons: one line per action,
// "text #id" with " [x]" for a check mark and " (grey)" for a disabled item,
// "---" for a separator, and "> text" for a sub-menu followed by its own lines
// indented by two spaces.
#pragma once

#include <string>
#include <vector>

#include <QAction>
#include <QMenu>

#include "app/MenuBuilder.h"

namespace tolva::testing {

inline void DescribeMenu(const QMenu& menu, const std::string& indent,
                         std::vector<std::string>& lines) {
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) {
      lines.push_back(indent + "---");
    } else if (const QMenu* sub = action->menu()) {
      lines.push_back(indent + "> " + action->text().toStdString());
      DescribeMenu(*sub, indent + "  ", lines);
    } else {
      std::string line = indent + action->text().toStdString() + " #" +
                         std::to_string(CommandOf(action));
      if (action->isChecked()) line += " [x]";
      if (!action->isEnabled()) line += " (grey)";
      lines.push_back(line);
    }
  }
}

inline std::vector<std::string> DescribeMenu(const QMenu& menu) {
  std::vector<std::string> lines;
  DescribeMenu(menu, "", lines);
  return lines;
}

// The action of `menu` (or of its sub-menus) that gives command `id`.
inline QAction* FindCommand(const QMenu& menu, int id) {
  for (QAction* action : menu.actions()) {
    if (const QMenu* sub = action->menu()) {
      if (QAction* found = FindCommand(*sub, id)) return found;
    } else if (!action->isSeparator() && CommandOf(action) == id) {
      return action;
    }
  }
  return nullptr;
}

}  // namespace tolva::testing
