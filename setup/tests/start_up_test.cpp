// The start-up of the main window on a POS installation of the test's own:
// settings file, database steps, "/install", and the ends of start-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "demo_settings.h"
#include "sequence.h"
#include "setup_fixture.h"
#include "setup_run.h"

namespace {

const char* const kCaption = "Zenta Pellisto Rilo Setup V.5.2.1.30";
const char* const kTarvelId = "101";  // user id of tarvel in the demo database

TEST(StartUp, FirstStartCreatesTheProcedureAndKeepsTheWindowOpen)
{
    TestInstallation installation;
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_FALSE(run.Ended());
    EXPECT_EQ(kCaption, WindowText(run.main->Handle()));
    EXPECT_EQ(410, run.main->FPosVersion);
    EXPECT_FALSE(run.main->SetupChanged);
    EXPECT_EQ(0, run.main->saves);
    EXPECT_TRUE(SameSequence({"Siskin Stored Procedure created", "Siskin Stored Procedure EXECUTE granted"},
                             run.MemoLines()));
    EXPECT_EQ("Setup will be stored in: " + installation.Root() + "\\ETC\\PVO_FO.INI", run.StatusText(0));
    // The start wrote the tax keys and nothing else.
    EXPECT_TRUE(SameSequence({"[POSTING]", "TAX_OR_VAT=0", "TAXTYPE1=P", "TAXTYPE2=P", "TAXTYPE3=B", "TAXTYPE4=I",
                              "TAXTYPE5=F", "TAXTYPE6=", "TAXTYPE7=", "TAXTYPE8="},
                             WithoutBlankLines(installation.IniLines())));
    EXPECT_EQ(std::vector<std::string>{kTarvelId},
              QueryAsDba("select creator as c0 from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'"));
    // The catalogue holds the statement as sent: its lines joined by line breaks.
    const char* const created[] = {
        "create procedure tarvel.sp_PvoFo_DoProrate(in fSales_TTL real,in fTender_TTL real,in fItemizer_in_TTL real,"
        "out fItemizer_out_TTL real,inout error integer)",
        "begin",
        "   if(fSales_TTL = 0.0) then",
        "    select fItemizer_in_TTL into fItemizer_out_TTL",
        "  else",
        "    select fItemizer_in_TTL*(fTender_TTL/fSales_TTL) into fItemizer_out_TTL",
        "  end if;",
        "  if sqlcode <> 0 then",
        "    set error=sqlcode;",
        "    rollback work",
        "  else",
        "    set error=0",
        "  end if",
        "end",
    };
    std::string text;
    for (const char* line : created)
        text += (text.empty() ? "" : "\r\n") + std::string(line);
    EXPECT_EQ(std::vector<std::string>{text},
              QueryAsDba("select proc_defn as c0 from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'"));
}

TEST(StartUp, ANextStartOnlyVerifiesTheProcedure)
{
    TestInstallation installation;
    {
        SetupRun first;
        first.Start();
    }
    SetupRun second;
    second.Start();
    EXPECT_TRUE(SameSequence({"Siskin Stored Procedure verified"}, second.MemoLines()));
}

TEST(StartUp, InstallSavesOnceForEachSwitchAndEndsWithoutABox)
{
    for (const char* arguments : {"/INSTALL", "/install other /Install", "x /iNsTaLl"}) {
        SCOPED_TRACE(arguments);
        TestInstallation installation;
        BoxAnswerer boxes;
        SetupRun run(arguments);
        run.Start();
        EXPECT_TRUE(boxes.seen.empty());
        EXPECT_TRUE(run.Ended());
        const int switches = std::string(arguments) == "/install other /Install" ? 2 : 1;
        EXPECT_EQ(switches, run.main->saves);
        EXPECT_TRUE(SameSequence(kDemoInstallFile, WithoutBlankLines(installation.IniLines())));
    }
}

TEST(StartUp, OtherArgumentsAreIgnored)
{
    TestInstallation installation;
    SetupRun run("install -install /installx");
    run.Start();
    EXPECT_FALSE(run.Ended());
    EXPECT_EQ(0, run.main->saves);
}

TEST(StartUp, WithoutHuxRootDirOneAbortBoxAndTheProgramEnds)
{
    TestInstallation installation;
    SetEnvironmentVariableA("HUXROOTDIR", nullptr);
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    run.RunFor(500);
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Error", boxes.seen[0].caption);
    EXPECT_EQ("Can not obtain the system variable HUXROOTDIR, can not continue. Did you install Zenta QVX?",
              boxes.seen[0].text);
    EXPECT_EQ(std::vector<std::string>{"&Abort"}, boxes.seen[0].buttons);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(kExitNoHuxRootDir, run.main->FExitCode);
    EXPECT_EQ(0, run.main->saves);
    EXPECT_TRUE(installation.IniLines().empty());
    EXPECT_FALSE(IsWindowVisible(run.main->Handle()));
    EXPECT_EQ("Zenta Pellisto Rilo Setup V.5.2.1.30", WindowText(run.main->Handle()));
}

TEST(StartUp, HuxRootDirUpTo4095CharactersIsReadWhole)
{
    TestInstallation installation;
    const std::string longest = "C:\\" + std::string(4092, 'x');
    SetEnvironmentVariableA("HUXROOTDIR", longest.c_str());
    {
        BoxAnswerer boxes;
        SetupRun run;
        run.Start();
        EXPECT_EQ(longest, run.main->HuxRootDir);
    }
    // One character more is more than the program reads: as if not set.
    SetEnvironmentVariableA("HUXROOTDIR", (longest + "y").c_str());
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    EXPECT_TRUE(run.main->HuxRootDir.empty());
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ(std::vector<std::string>{"&Abort"}, boxes.seen[0].buttons);
    EXPECT_TRUE(run.Ended());
}

TEST(StartUp, NoDatabaseConnectionShowsTheAliasAndEnds)
{
    TestInstallation installation;
    RunAsDba({"update SYS.SYSUSERPERM set password = 'changed' where user_name = 'tarvel'"});
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    // The locator picker's query tried first, with the standard box; then Connect.
    ASSERT_EQ(2u, boxes.seen.size());
    EXPECT_NE(std::string::npos, boxes.seen[0].text.find("Invalid user ID or password"));
    EXPECT_EQ("Error", boxes.seen[1].caption);
    EXPECT_EQ(0u, boxes.seen[1].text.find("Unable to connect to Database (AliasName: corvane) :\r\n"))
        << boxes.seen[1].text;
    EXPECT_NE(std::string::npos, boxes.seen[1].text.find("Invalid user ID or password"));
    EXPECT_EQ(std::vector<std::string>{"OK"}, boxes.seen[1].buttons);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(kExitNoDatabase, run.main->FExitCode);
    EXPECT_EQ(0, run.main->saves);
    // The settings were loaded, but nothing was written.
    EXPECT_TRUE(installation.IniLines().empty());
}

TEST(StartUp, AFailedCreateIsReportedAndInstallStillSaves)
{
    TestInstallation installation;
    RunAsDba({"update SYS.SYSUSERPERM set resourceauth = 'N' where user_name = 'tarvel'"});
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Error", boxes.seen[0].caption);
    EXPECT_EQ(0u, boxes.seen[0].text.find("[Exception in SpQuerry.ExecSQL (1)]\r\n")) << boxes.seen[0].text;
    EXPECT_GT(boxes.seen[0].text.size(), std::string("[Exception in SpQuerry.ExecSQL (1)]\r\n").size());
    EXPECT_EQ(1, run.main->saves);
    EXPECT_TRUE(run.Ended());
    EXPECT_TRUE(run.MemoLines().empty());
    EXPECT_TRUE(SameSequence(kDemoInstallFile, WithoutBlankLines(installation.IniLines())));
}

TEST(StartUp, AFailedCreateEndsTheProgramEvenWithoutInstall)
{
    TestInstallation installation;
    RunAsDba({"update SYS.SYSUSERPERM set resourceauth = 'N' where user_name = 'tarvel'"});
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    EXPECT_EQ(1u, boxes.seen.size());
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(0, run.main->saves);
    // The tax keys were written all the same.
    EXPECT_EQ("TAXTYPE1=P", WithoutBlankLines(installation.IniLines()).at(2));
}

TEST(StartUp, AFailedGrantIsReportedAndEndsTheProgram)
{
    TestInstallation installation;
    // The grant names the group PUBLIC; without it the grant fails.
    RunAsDba({"delete from SYS.SYSPROCPERM", "delete from SYS.SYSUSERPERM where user_name = 'PUBLIC'"});
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Error", boxes.seen[0].caption);
    EXPECT_EQ(0u, boxes.seen[0].text.find("[Exception in SpQuerry.ExecSQL (2)]\r\n")) << boxes.seen[0].text;
    EXPECT_NE(std::string::npos, boxes.seen[0].text.find("PUBLIC")) << boxes.seen[0].text;
    EXPECT_TRUE(SameSequence({"Siskin Stored Procedure created"}, run.MemoLines()));
    EXPECT_EQ(1, run.main->saves);
    EXPECT_TRUE(run.Ended());
}

TEST(StartUp, AFailedCatalogueQueryIsReportedAndStartUpGoesOn)
{
    TestInstallation installation;
    RunAsDba({"drop table SYS.SYSPROCEDURE"});
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Error", boxes.seen[0].caption);
    EXPECT_EQ(0u, boxes.seen[0].text.find("[Exception in SpQuerry.Open]\r\n")) << boxes.seen[0].text;
    EXPECT_TRUE(run.MemoLines().empty());
    // The success flag is untouched: the tax set-up ran and the window stays.
    EXPECT_FALSE(run.Ended());
    EXPECT_EQ("TAXTYPE1=P", WithoutBlankLines(installation.IniLines()).at(2));
}

TEST(StartUp, AProcedureOfAnotherOwnerCountsAsPresent)
{
    TestInstallation installation;
    RunAsDba({"create procedure corvane.sp_PvoFo_DoProrate(in a integer) begin select a; end"});
    const auto before = QueryAsDba("select creator as c0, proc_name as c1 from SYS.SYSPROCEDURE order by 1, 2");
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_TRUE(SameSequence({"Siskin Stored Procedure verified"}, run.MemoLines()));
    EXPECT_EQ(before, QueryAsDba("select creator as c0, proc_name as c1 from SYS.SYSPROCEDURE order by 1, 2"));
    EXPECT_FALSE(run.Ended());
}

struct VersionCase {
    const char* text;  // nullptr: Rest_Status without rows
    int version;
    bool choosable;
    bool procedure;
};

TEST(StartUp, VersionTextsDecideTheChoiceAndTheProcedure)
{
    for (const VersionCase& c :
         {VersionCase{"4.1", 410, true, true}, VersionCase{"4.10", 410, true, true}, VersionCase{"3.2", 320, true, true},
          VersionCase{"5.1.0.23", 51023, true, true}, VersionCase{"99", 99, false, false},
          VersionCase{"100", 100, false, false}, VersionCase{"4.1 SP2", 412, true, true},
          VersionCase{"V 3.1", 310, true, false}, VersionCase{"3.19", 319, true, false},
          // Each gate at both sides: tenths below 99, the choice from 300, the procedure from 320.
          VersionCase{"98", 980, true, true}, VersionCase{"2.99", 299, false, false},
          VersionCase{"3.0", 300, true, false},
          VersionCase{"9999999999", 0, false, false}, VersionCase{nullptr, 0, false, false}}) {
        SCOPED_TRACE(c.text ? c.text : "(no row)");
        TestInstallation installation;
        if (c.text)
            RunAsDba({std::string("update corvane.rest_status set CORVANE_VERSION_NUM = '") + c.text + "'"});
        else
            RunAsDba({"delete from corvane.rest_status"});
        // A saved choice of order type that an old POS must not keep.
        installation.WriteIni("[POSTING]\r\nSRV_OR_CHR=2\r\n");
        BoxAnswerer boxes;
        SetupRun run("/install");
        run.Start();
        EXPECT_TRUE(boxes.seen.empty());
        EXPECT_EQ(c.version, run.main->FPosVersion);
        EXPECT_EQ(c.choosable, run.main->RG_SrvChr->Enabled());
        EXPECT_EQ(c.choosable, run.main->HlpSrvBtn->Enabled());
        EXPECT_EQ(c.choosable ? 2 : 1, run.main->RG_SrvChr->ItemIndex());
        EXPECT_EQ(c.procedure ? 2u : 0u, run.MemoLines().size());
        EXPECT_EQ(c.procedure ? 1u : 0u,
                  QueryAsDba(std::string("select proc_name as c0 from SYS.SYSPROCEDURE where creator = ") + kTarvelId).size());
        const auto lines = installation.IniLines();
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), c.choosable ? "SRV_OR_CHR=2" : "SRV_OR_CHR=1"));
    }
}

}  // namespace
