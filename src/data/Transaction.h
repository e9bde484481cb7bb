#pragma once
// A transaction on a connection for changes of many rows: begun on
// construction, rolled back on destruction unless committed, so a failure part
// way leaves the tables as they were.
namespace tervalo::data {

class Connection;

class Transaction {
public:
    explicit Transaction(Connection& cnn);  // throws RuntimeError
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();  // throws RuntimeError

private:
    Connection& m_cnn;
    bool m_done = false;
};

}  // namespace tervalo::data
