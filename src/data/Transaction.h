#pragma once
// A transaction on a connection for changes of many rows: begun on
// construction, rolled back on destruction unless committed, so a failure part
// way leaves the tables as they were.
//
// On SQLite a transaction that writes takes the write lock as it begins
// (BEGIN IMMEDIATE): while another copy of the program holds that lock it
// waits the connection's busy time, as every single statement does. A plain
// BEGIN would ask for the lock only at the first write, and SQLite refuses a
// transaction that has read by then at once, without waiting.
namespace tervalo::data {

class Connection;

class Transaction {
public:
    // Reads: the transaction only reads the database's tables (a temporary
    // table of its own may be written), so it takes no write lock.
    enum class Purpose { Writes, Reads };

    explicit Transaction(Connection& cnn, Purpose purpose = Purpose::Writes);  // throws RuntimeError
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();  // throws RuntimeError

private:
    Connection& m_cnn;
    bool m_done = false;
};

}  // namespace tervalo::data
