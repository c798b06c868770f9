#include "app/field_table.hpp"

#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/app_error.hpp"

namespace tovrins::app {
namespace {

using ::testing::HasSubstr;

std::string usageMessage(const auto& call)
{
    try {
        call();
    } catch (const UsageError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no UsageError";
    return {};
}

TEST(FieldTable, FiltersByCommandName)
{
    EXPECT_EQ(filterByCommand("rotate").registeredName, "KM47_TovrinRotate");
    EXPECT_EQ(filterByCommand("scale").filterKind, 2);
    EXPECT_EQ(filterByCommand("translate").lastPictureButton, 63);
    const std::string message = usageMessage([] { filterByCommand("Rotate"); });
    EXPECT_THAT(message, HasSubstr("'Rotate'"));
    EXPECT_THAT(message, HasSubstr("rotate, scale and translate"));
}

TEST(FieldTable, EachFilterNamesItsOwnFieldsOnce)
{
    for (const FilterInfo& filter : allFilters()) {
        std::set<std::string_view> names;
        std::set<int32_t> items;
        for (const Field& field : filter.fields) {
            EXPECT_TRUE(field.name.starts_with(filter.command)) << field.name;
            EXPECT_TRUE(names.insert(field.name).second) << field.name;
            EXPECT_TRUE(items.insert(field.item).second) << filter.command << " item " << field.item;
        }
        EXPECT_TRUE(items.contains(kZoomItem) && items.contains(kPresetItem)) << filter.command;
    }
}

TEST(FieldTable, UnknownFieldListsTheFiltersFields)
{
    const FilterInfo& scale = filterByCommand("scale");
    EXPECT_EQ(findField(scale, "scaleCentreMode").item, 30);
    const std::string message = usageMessage([&] { findField(scale, "rotateCopies"); });
    EXPECT_THAT(message, HasSubstr("'rotateCopies'"));
    for (const Field& field : scale.fields)
        EXPECT_THAT(message, HasSubstr(std::string(field.name)));
    EXPECT_THAT(message, ::testing::Not(HasSubstr("rotateAngleStep")));
    // Names are matched exactly: the plug-in's fields are case-sensitive.
    EXPECT_THROW(findField(scale, "scalecopies"), UsageError);
}

TEST(FieldTable, ValuesAreCheckedByTheFieldsKind)
{
    const FilterInfo& rotate = filterByCommand("rotate");
    const Field& copies = findField(rotate, "rotateCopies");
    const Field& angle = findField(rotate, "rotateAngleStep");
    const Field& preview = findField(rotate, "rotatePreview");
    const Field& centre = findField(rotate, "rotateCentreMode");

    for (const char* ok : {"12", "-3", "+7", " 100 ", "2147483647"})
        EXPECT_NO_THROW(checkFieldValue(copies, ok)) << ok;
    for (const char* bad : {"", "1.5", "12x", "twelve", "2147483648", "1e3"})
        EXPECT_THROW(checkFieldValue(copies, bad), UsageError) << bad;

    for (const char* ok : {"-20.5", "1e3", "0", "3.4e38"})
        EXPECT_NO_THROW(checkFieldValue(angle, ok)) << ok;
    for (const char* bad : {"nan", "inf", "1e39", "1,5", "--2"})
        EXPECT_THROW(checkFieldValue(angle, bad), UsageError) << bad;

    EXPECT_NO_THROW(checkFieldValue(preview, "0"));
    EXPECT_NO_THROW(checkFieldValue(preview, "1"));
    for (const char* bad : {"2", "-1", "on", "true", ""})
        EXPECT_THROW(checkFieldValue(preview, bad), UsageError) << bad;

    EXPECT_NO_THROW(checkFieldValue(centre, " Path worm "));
    EXPECT_NO_THROW(checkFieldValue(centre, "8"));
    EXPECT_THROW(checkFieldValue(centre, "  "), UsageError);

    // What passes is handed on as the dialog reads it.
    EXPECT_EQ(checkFieldValue(copies, " +7 "), "7");
    EXPECT_EQ(checkFieldValue(angle, "\t+2.5e1 "), "2.5e1");
    EXPECT_EQ(checkFieldValue(preview, " +1"), "1");
    EXPECT_EQ(checkFieldValue(preview, "00"), "0");
    EXPECT_EQ(checkFieldValue(centre, " +2 "), "2");
    EXPECT_EQ(checkFieldValue(centre, " Path worm "), "Path worm");

    const std::string message = usageMessage([&] { checkFieldValue(preview, "2"); });
    EXPECT_THAT(message, HasSubstr("rotatePreview"));
    EXPECT_THAT(message, HasSubstr("0 or 1"));
}

} // namespace
} // namespace tovrins::app
