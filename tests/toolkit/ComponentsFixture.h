// A form of a fresh application for the component tests, its designs read
// from text; errors the application reports are dropped.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <string>

struct Components : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    void SetUp() override {
        app.SetMessageBox([](const std::string&, const std::string&) {});
        form = new tk::Form(&app);
        form->AddMethod("DoQuit", tk::NotifyEvent([](tk::Component&) {}));
        form->SetBounds(30, 30, 400, 300);
    }
    void Read(const std::string& text) { form->LoadDesignText(text, "Test", app.Classes()); }
};
