// Filling a visible list in a batch: the entries go in at once, the list draws when the
// outermost batch ends.
#include <windows.h>
#include <gtest/gtest.h>

#include "toolkit/Form.h"
#include "toolkit/ListBox.h"

TEST(ListBoxBatch, TheListCatchesUpWithItsEntriesWhenTheOutermostBatchEnds) {
    Form form;
    form.setClientSize(300, 300);
    ListBox& list = form.add<ListBox>();
    list.setBounds(2, 2, 151, 100);
    form.show();
    auto hasScrollBar = [&] {
        return (GetWindowLongA(list.handle(), GWL_STYLE) & WS_VSCROLL) != 0;
    };
    ASSERT_FALSE(hasScrollBar());
    {
        ListBox::Batch outer(list);
        {
            ListBox::Batch inner(list);
            for (int i = 0; i < 40; ++i) {
                list.add("entry " + std::to_string(i));
            }
        }
        EXPECT_EQ(list.count(), 40);
        EXPECT_EQ(list.item(39), "entry 39");
        EXPECT_FALSE(hasScrollBar()) << "the list drew while a batch was still open";
    }
    EXPECT_TRUE(hasScrollBar());
    EXPECT_TRUE(IsWindowVisible(list.handle()));
}
