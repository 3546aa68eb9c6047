// The Windows version texts, from version records and registry facts.
#include <gtest/gtest.h>

#include "VersionText.h"

namespace {

using utility::VersionRecord;
using utility::VersionRegistryFacts;

VersionRecord Extended(uint32_t major, uint32_t minor, uint8_t type, uint16_t suite, const char* sp, uint32_t build) {
    VersionRecord r;
    r.platformId = 2;
    r.major = major;
    r.minor = minor;
    r.productType = type;
    r.suiteMask = suite;
    r.servicePack = sp;
    r.build = build;
    r.extended = true;
    return r;
}

TEST(VersionTextTest, ExtendedRecords) {
    struct Case { VersionRecord record; const char* text; };
    const Case cases[] = {
        {Extended(5, 1, 1, 0x0100, "Service Pack 3", 2600), "Microsoft Windows XP Professional Service Pack 3 (Build 2600)"},
        {Extended(5, 1, 1, 0x0300, "", 2600), "Microsoft Windows XP Home Edition  (Build 2600)"},
        {Extended(5, 2, 3, 0x0002, "Service Pack 2", 3790),
         "Microsoft Windows Server 2003 family Enterprise Edition Service Pack 2 (Build 3790)"},
        {Extended(6, 1, 1, 0x0100, "Service Pack 1", 7601), "Professional Service Pack 1 (Build 7601)"},
        {Extended(6, 1, 3, 0x0112, "Service Pack 1", 7601), "Server 4.0, Enterprise Edition Service Pack 1 (Build 7601)"},
        {Extended(5, 2, 3, 0x0082, "", 3790), "Microsoft Windows Server 2003 family Datacenter Edition  (Build 3790)"},
        {Extended(5, 2, 3, 0x0400, "", 3790), "Microsoft Windows Server 2003 family Web Edition  (Build 3790)"},
        {Extended(5, 2, 3, 0x0410, "", 3790), "Microsoft Windows Server 2003 family Standard Edition  (Build 3790)"},
        {Extended(5, 0, 3, 0x0080, "", 2195), "Microsoft Windows 2000 Datacenter Server  (Build 2195)"},
        {Extended(5, 0, 3, 0x0002, "", 2195), "Microsoft Windows 2000 Advanced Server  (Build 2195)"},
        {Extended(5, 0, 3, 0x0000, "", 2195), "Microsoft Windows 2000 Server  (Build 2195)"},
        {Extended(4, 0, 1, 0, "Service Pack 5", 1381), "Microsoft Windows NT Workstation 4.0 Service Pack 5 (Build 1381)"},
        {Extended(4, 0, 3, 0, "", 1381), "Microsoft Windows NT Server 4.0  (Build 1381)"},
        {Extended(5, 1, 2, 0, "", 2600), "Microsoft Windows XP  (Build 2600)"},
        {Extended(5, 1, 1, 0, "", 0x0A280A28), "Microsoft Windows XP Professional  (Build 2600)"},  // low 16 bits
    };
    for (const Case& c : cases) EXPECT_EQ(utility::DescribeVersion(c.record, {}), c.text) << c.text;
}

TEST(VersionTextTest, ServicePack6aNeedsTheHotfixKey) {
    const VersionRecord nt4 = Extended(4, 0, 1, 0, "service pack 6", 1381);
    EXPECT_TRUE(utility::NeedsHotfixKey(nt4));
    VersionRegistryFacts facts;
    facts.hotfixQ246009 = true;
    EXPECT_EQ(utility::DescribeVersion(nt4, facts), "Microsoft Windows NT Workstation 4.0 Service Pack 6a (Build 1381)");
    EXPECT_EQ(utility::DescribeVersion(nt4, {}), "Microsoft Windows NT Workstation 4.0 service pack 6 (Build 1381)");
    EXPECT_FALSE(utility::NeedsHotfixKey(Extended(5, 0, 1, 0, "Service Pack 6", 2195)));
}

TEST(VersionTextTest, BasicRecordsTakeTheEditionFromProductOptions) {
    VersionRecord r;
    r.platformId = 2;
    r.major = 4;
    r.servicePack = "Service Pack 3";
    r.build = 1381;
    ASSERT_TRUE(utility::NeedsProductType(r));
    struct Case { bool read; const char* type; const char* text; };
    const Case cases[] = {
        {true, "WinNT", "Microsoft Windows NT Workstation Service Pack 3 (Build 1381)"},
        {true, "LANMANNT", "Microsoft Windows NT Server Service Pack 3 (Build 1381)"},
        {true, "ServerNT", "Microsoft Windows NT Advanced Server Service Pack 3 (Build 1381)"},
        {true, "Other", "Microsoft Windows NT Service Pack 3 (Build 1381)"},
        {false, "", "Microsoft Windows NT "},  // unreadable: no service pack, no build
    };
    for (const Case& c : cases) {
        VersionRegistryFacts facts;
        facts.productTypeRead = c.read;
        facts.productType = c.type;
        EXPECT_EQ(utility::DescribeVersion(r, facts), c.text) << c.type;
    }
}

TEST(VersionTextTest, OtherPlatforms) {
    struct Case { uint32_t platform, major, minor; const char* sp; const char* text; };
    const Case cases[] = {
        {0, 3, 11, "", "Microsoft Win32s"},
        {1, 4, 0, " C", "Microsoft Windows 95 OSR2 "},
        {1, 4, 0, " B", "Microsoft Windows 95 OSR2 "},
        {1, 4, 0, "", "Microsoft Windows 95 "},
        {1, 4, 10, " A ", "Microsoft Windows 98 SE "},
        {1, 4, 10, "A", "Microsoft Windows 98 "},
        {1, 4, 90, " ", "Microsoft Windows Millennium Edition"},
        {1, 4, 20, "", ""},
        {1, 5, 0, "", ""},
        {3, 5, 1, "", ""},
    };
    for (const Case& c : cases) {
        VersionRecord r;
        r.platformId = c.platform;
        r.major = c.major;
        r.minor = c.minor;
        r.servicePack = c.sp;
        r.build = 950;
        EXPECT_EQ(utility::DescribeVersion(r, {}), c.text) << c.platform << " " << c.major << "." << c.minor;
    }
}

}  // namespace
