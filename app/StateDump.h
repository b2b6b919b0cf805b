#pragma once

#include "platform/WinTypes.h"

#include <nlohmann/json.hpp>

class HostApplication;
class MainFrame;
class MenuDriver;

// The state of a running session as JSON: the model's "project",
// "instances" and "cast", and the host's "main_window", "windows", "menus",
// "messages", "dialogs", "debug" and "processes".
class StateDump {
  public:
    static nlohmann::json Describe(HostApplication& host);

  private:
    static nlohmann::json DescribeWindows(MainFrame& frame);
    // The menu's items; a popup's items are read after it has been opened,
    // so enabled and checked are what a person would see.
    static nlohmann::json DescribeMenu(MenuDriver& driver, MainFrame& frame, HMENU hMenu);
};
