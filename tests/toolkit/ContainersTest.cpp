// Forms read from design text: the class they describe, and fonts children
// take from the form.
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ContainersFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

TEST_F(Containers, ADesignMustDescribeTheFormsOwnClass) {
    try {
        Read("object F: TOtherForm\nend");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "design Test describes a TOtherForm, not a TForm");
    }
    EXPECT_THROW(form->LoadDesign("NoSuchDesign"), std::runtime_error);
}

TEST_F(Containers, ChildrenTakeTheFormsFontUnlessTheyHaveTheirOwn) {
    Read(R"(object F: TForm
  Font.Name = '宋体'
  Font.Height = -15
  object Inherits: TLabel
    Caption = 'a'
  end
  object Own: TLabel
    Font.Height = -20
    Caption = 'b'
  end
end)");
    auto& inherits = *dynamic_cast<tk::Label*>(form->FindComponent("Inherits"));
    auto& own = *dynamic_cast<tk::Label*>(form->FindComponent("Own"));
    EXPECT_EQ(inherits.Font().Height(), -15);
    EXPECT_TRUE(inherits.ParentFont());
    EXPECT_EQ(own.Font().Height(), -20);
    EXPECT_FALSE(own.ParentFont());
    form->Font().SetHeight(-13);
    EXPECT_EQ(inherits.Font().Height(), -13);
    EXPECT_EQ(own.Font().Height(), -20);
}
