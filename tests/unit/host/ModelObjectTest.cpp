// The model host object: members defined in code, the call log, interface
// queries and the answers an automation client gets from a type library.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/host/ModelObject.h"

namespace {

using host::Variant;
namespace hr = host::hr;

const host::Guid kIID_Folder = host::MakeGuid(0x00063006, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
const host::Guid kIID_Other = host::MakeGuid(0x0006303A, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);

class Folder : public model::ModelObject {
  public:
    explicit Folder(model::CallLog* log) : ModelObject("MAPIFolder", log) {
        Implements(kIID_Folder);
        DefineValue("Name", Variant::Bstr(L"Contacts"));
        DefineProperty("DefaultItemType", [](const std::vector<Variant>&, Variant* result) {
            *result = Variant::I4(2);
            return hr::kOk;
        });
        DefineIndexedProperty("Item", {1, 0}, [](const std::vector<Variant>& args, Variant* r) {
            if (args[0].type() != host::VarType::I4) return hr::kTypeMismatch;
            *r = Variant::Bstr(L"item " + std::to_wstring(args[0].i4()));
            return hr::kOk;
        });
        // Add(Type, [Id], [Before]) answers what it received, one kind per argument.
        DefineMethod("Add", {1, 2}, [this](const std::vector<Variant>& args, Variant* result) {
            received = args;
            *result = Variant::I4(static_cast<std::int32_t>(args.size()));
            return hr::kOk;
        });
        DefineMethod("Explode", {0, 0}, [](const std::vector<Variant>&, Variant* result) {
            *result = Variant::I4(1);  // a result that must not reach the caller
            throw std::runtime_error("boom");
            return hr::kOk;
        });
    }
    std::vector<Variant> received;
};

class ModelObjectTest : public ::testing::Test {
  protected:
    model::CallLog log;
    boost::shared_ptr<Folder> folder{new Folder(&log)};
};

TEST_F(ModelObjectTest, NamesMatchWithoutRegardToCaseAndUnknownNamesFail) {
    EXPECT_EQ(Variant::Bstr(L"Contacts"), folder->Get("name"));
    EXPECT_EQ(Variant::I4(2), folder->Get("DEFAULTITEMTYPE"));
    EXPECT_EQ(hr::kOk, folder->Put("NAME", Variant::Bstr(L"Inbox")));
    EXPECT_EQ(Variant::Bstr(L"Inbox"), folder->Get("Name"));

    Variant result = Variant::I4(7);
    EXPECT_EQ(hr::kUnknownName, folder->GetProperty("Nmae", {}, &result));
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(hr::kUnknownName, folder->Call("Nmae", {}, &result));
    EXPECT_EQ(hr::kUnknownName, folder->PutProperty("Nmae", Variant::I4(1)));
}

TEST_F(ModelObjectTest, EveryCallIsRecordedWithItsArgumentsAndAnswer) {
    Variant result;
    folder->Call("Add", {Variant::I4(1), Variant::Missing(), Variant::I2(0)}, &result);
    folder->PutProperty("Name", Variant::Bstr(L"x"));
    folder->GetProperty("Item", {Variant::I4(3)}, &result);
    folder->Call("Nothing", {Variant::Bool(true)}, &result);
    folder->QueryInterface(kIID_Other);

    const std::vector<model::CallRecord>& records = log.records();
    ASSERT_EQ(5u, records.size());
    EXPECT_EQ("MAPIFolder", records[0].object);
    EXPECT_EQ(model::CallRecord::Kind::Call, records[0].kind);
    EXPECT_EQ((std::vector<Variant>{Variant::I4(1), Variant::Missing(), Variant::I2(0)}),
              records[0].args);
    EXPECT_EQ(model::CallRecord::Kind::Put, records[1].kind);
    EXPECT_EQ(std::vector<Variant>{Variant::Bstr(L"x")}, records[1].args);
    EXPECT_EQ(model::CallRecord::Kind::Get, records[2].kind);
    EXPECT_EQ(std::vector<Variant>{Variant::I4(3)}, records[2].args);
    EXPECT_EQ("Nothing", records[3].member);
    EXPECT_EQ(hr::kUnknownName, records[3].result);
    EXPECT_EQ(model::CallRecord::Kind::QueryInterface, records[4].kind);
    EXPECT_EQ(kIID_Other.ToString(), records[4].member);
    EXPECT_EQ(hr::kNoInterface, records[4].result);

    EXPECT_EQ(1u, log.Of("ITEM").size());
    EXPECT_EQ(1u, log.Of("add", "MAPIFolder").size());
    EXPECT_TRUE(log.Of("add", "Explorer").empty());
}

TEST_F(ModelObjectTest, OmittedOptionalArgumentsArriveAsMissing) {
    Variant result;
    ASSERT_EQ(hr::kOk, folder->Call("Add", {Variant::I4(1)}, &result));
    EXPECT_EQ((std::vector<Variant>{Variant::I4(1), Variant::Missing(), Variant::Missing()}),
              folder->received);
    EXPECT_EQ(Variant::I4(3), result);
    // What the caller passed is what the log shows.
    EXPECT_EQ(1u, log.Of("Add").back().args.size());
}

TEST_F(ModelObjectTest, WrongArgumentsAreAnsweredAsAutomationDoes) {
    Variant result;
    EXPECT_EQ(hr::kBadParamCount, folder->Call("Add", {}, &result));
    EXPECT_EQ(hr::kBadParamCount,
              folder->Call("Add", std::vector<Variant>(4, Variant::I4(0)), &result));
    EXPECT_EQ(hr::kParamNotFound, folder->Call("Add", {Variant::Missing()}, &result));
    EXPECT_EQ(hr::kBadParamCount, folder->GetProperty("Item", {}, &result));
    EXPECT_EQ(hr::kBadParamCount, folder->GetProperty("Name", {Variant::I4(1)}, &result));
    EXPECT_TRUE(folder->received.empty());
}

TEST_F(ModelObjectTest, PropertiesAndMethodsAnswerOnlyTheirOwnKindOfCall) {
    Variant result;
    // A method call of a property reads it, as DISPATCH_METHOD|DISPATCH_PROPERTYGET does.
    EXPECT_EQ(hr::kOk, folder->Call("Item", {Variant::I4(2)}, &result));
    EXPECT_EQ(Variant::Bstr(L"item 2"), result);
    EXPECT_EQ(hr::kMemberNotFound, folder->GetProperty("Add", {Variant::I4(1)}, &result));
    EXPECT_EQ(hr::kMemberNotFound, folder->PutProperty("Add", Variant::I4(1)));
    EXPECT_EQ(hr::kMemberNotFound, folder->PutProperty("DefaultItemType", Variant::I4(0)));
    EXPECT_EQ(hr::kMemberNotFound, folder->PutProperty("Item", Variant::I4(0)));
    EXPECT_EQ(Variant::I4(2), folder->Get("DefaultItemType"));
}

TEST_F(ModelObjectTest, FailNextFailsExactlyTheGivenNumberOfCalls) {
    folder->FailNext("name", hr::kFail, 2, L"refused");
    Variant result = Variant::I4(5);
    EXPECT_EQ(hr::kFail, folder->GetProperty("Name", {}, &result));
    EXPECT_TRUE(result.isEmpty());
    EXPECT_EQ(L"refused", folder->ErrorDescription());
    EXPECT_EQ(hr::kFail, folder->PutProperty("Name", Variant::Bstr(L"changed")));
    EXPECT_EQ(hr::kOk, folder->GetProperty("Name", {}, &result));
    EXPECT_EQ(Variant::Bstr(L"Contacts"), result);  // the refused put changed nothing
    EXPECT_EQ(L"", folder->ErrorDescription());
    EXPECT_EQ(hr::kFail, log.Of("Name")[0].result);
}

TEST_F(ModelObjectTest, AThrowingMemberAnswersDispException) {
    Variant result;
    EXPECT_EQ(hr::kException, folder->Call("Explode", {}, &result));
    EXPECT_TRUE(result.isEmpty());
}

TEST_F(ModelObjectTest, QueryInterfaceAnswersTheSameObjectForEveryDeclaredInterface) {
    for (const host::Guid& iid : {host::kIID_IUnknown, host::kIID_IDispatch, kIID_Folder}) {
        host::DispatchPtr seen = folder->QueryInterface(iid);
        ASSERT_TRUE(seen) << iid.ToString();
        EXPECT_EQ(folder.get(), seen.get());
        EXPECT_EQ(folder->Identity(), seen->Identity());
    }
    EXPECT_FALSE(folder->QueryInterface(kIID_Other));

    boost::shared_ptr<Folder> other(new Folder(&log));
    EXPECT_NE(folder->Identity(), other->Identity());
    EXPECT_EQ(Variant::Object(folder), Variant::Object(folder->QueryInterface(kIID_Folder)));
    EXPECT_NE(Variant::Object(folder), Variant::Object(other));
}

TEST_F(ModelObjectTest, ValuesAreReadAndWrittenByTheModelWithoutRecording) {
    struct Exposed : Folder {
        using Folder::Folder;
        using Folder::SetValue;
        using Folder::Value;
    };
    boost::shared_ptr<Exposed> exposed(new Exposed(&log));
    exposed->SetValue("NAME", Variant::Bstr(L"Drafts"));
    EXPECT_EQ(Variant::Bstr(L"Drafts"), exposed->Value("Name"));
    EXPECT_TRUE(log.records().empty());
    EXPECT_THROW(exposed->Value("DefaultItemType"), std::logic_error);
    EXPECT_THROW(exposed->SetValue("Missing", Variant()), std::logic_error);
}

TEST_F(ModelObjectTest, ObjectsWithoutALogRecordNothingAndStillAnswer) {
    boost::shared_ptr<Folder> quiet(new Folder(nullptr));
    EXPECT_EQ(Variant::Bstr(L"Contacts"), quiet->Get("Name"));
    EXPECT_TRUE(log.records().empty());
}

}  // namespace
