// A bordered form of a fresh application for the container and group tests,
// its designs read from text; errors the application reports are dropped.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <string>

struct Containers : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    void SetUp() override {
        guitest::ParkPointer();
        app.SetMessageBox([](const std::string&, const std::string&) {});
        form = new tk::Form(&app);
        form->SetBorderStyle(tk::BorderStyle::Single);
        form->SetClientWidth(320);
        form->SetClientHeight(240);
        form->SetBounds(40, 40, form->Width(), form->Height());
    }
    void ShowForm() {
        form->Show();
        guitest::PumpUntilIdle();
    }
    void Read(const std::string& text) { form->LoadDesignText(text, "Test", app.Classes()); }
};
