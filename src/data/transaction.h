#pragma once

#include "dbconnection.h"

// Runs a transaction on a connection for the lifetime of the guard: it is
// rolled back unless commit() was called.
class Transaction
{
public:
    explicit Transaction(DbConnection &connection) : m_connection(connection)
    {
        m_connection.beginTransaction();
    }
    ~Transaction()
    {
        if (!m_done) {
            try {
                m_connection.rollback();
            } catch (...) {
                // The engine rolls back an unfinished transaction itself when
                // the rollback cannot be sent; nothing is left to undo here.
            }
        }
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit()
    {
        m_connection.commit();
        m_done = true;
    }
    void rollback()
    {
        m_done = true;
        m_connection.rollback();
    }

private:
    DbConnection &m_connection;
    bool m_done = false;
};
