// Connection strings as SQLDriverConnect receives and returns them.
#include <gtest/gtest.h>

#include "odbc/connection_string.h"

namespace posdb::odbc {
namespace {

TEST(ConnectionString, KeysIgnoreCaseAndAliasesAreTriedInOrder) {
    const auto a = ConnectionAttributes::parse("dsn=Corvane; Uid = tarvel ;PWD=tarvel;DBF=/data/pos.db");
    EXPECT_EQ(a.get({"DSN"}), "Corvane");
    EXPECT_EQ(a.get(kUserKeys), "tarvel");
    EXPECT_EQ(a.get(kPasswordKeys), "tarvel");
    EXPECT_EQ(a.get(kDatabaseKeys), "/data/pos.db");
    EXPECT_EQ(a.get({"Driver"}), "");
}

TEST(ConnectionString, BracedValuesKeepSeparators) {
    const auto a = ConnectionAttributes::parse("DSN=Corvane;PWD={a;b}}c};UID=clerk;junk;=x");
    EXPECT_EQ(a.get({"PWD"}), "a;b}c");
    EXPECT_EQ(a.get({"UID"}), "clerk");
    // Written back with braces where the value needs them.
    EXPECT_EQ(a.to_string(), "DSN=Corvane;PWD={a;b}}c};UID=clerk");
    EXPECT_EQ(ConnectionAttributes::parse(a.to_string()).get({"PWD"}), "a;b}c");
}

TEST(ConnectionString, LaterValuesReplaceEarlierOnes) {
    auto a = ConnectionAttributes::parse("UID=a;uid=b");
    EXPECT_EQ(a.get({"UID"}), "b");
    a.set("DATABASE", "/tmp/x.db");
    EXPECT_EQ(a.to_string(), "UID=b;DATABASE=/tmp/x.db");
}

}  // namespace
}  // namespace posdb::odbc
